#pragma once

#include <string>

// The system's "open" of a document with the application registered for its type, with
// results in the shell's terms: above 32 success, 31 no application for the type, any other
// value of 32 or below another failure.
namespace platform
{
inline constexpr int kShellOpened = 42;
inline constexpr int kShellNoApplication = 31;
inline constexpr int kShellFileNotFound = 2;
inline constexpr int kShellFailed = 5;

// Main thread. Opens path (UTF-8), an existing file or an http(s) web address; any other path
// is kShellFileNotFound without asking the system. Linux: with xdg-open (or gio open where
// xdg-open is missing), waiting a few seconds for the opener to report; an opener still
// running then counts as success. Windows: ShellExecuteW's "open", whose result is returned.
int shellOpen(const std::string& path);

// Any thread. Whether text is an http:// or https:// address.
bool isWebAddress(const std::string& text);
} // namespace platform
