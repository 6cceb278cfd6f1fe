#pragma once

#include <string>

// The system's message box: an OK-only box without owner window. Until a toolkit installs its
// own box, a stand-in writes the caption and text to stderr.
namespace platform
{
using MessageBoxHandler = void (*)(const std::string& text, const std::string& caption);

// Main thread. Installs handler (null restores the stand-in); returns the previous one.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

// Main thread. Shows text under caption and returns when the user has closed the box.
void showMessageBox(const std::string& text, const std::string& caption);
} // namespace platform
