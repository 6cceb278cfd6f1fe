#pragma once

#include <optional>
#include <string>

// Conversions between the product's UTF-8 text and the UTF-16 of the Windows API. Any thread.
namespace platform::windows
{
// The UTF-16 of every byte of text, embedded NULs included; nothing when text is not valid
// UTF-8 (a path or name that would otherwise name something else).
std::optional<std::wstring> widen(const std::string& text);

// A path or name for a W function: as widen, and nothing when text holds a NUL, which would
// end it early and name something else.
std::optional<std::wstring> widenName(const std::string& text);

// The UTF-8 of count units at text; an unpaired surrogate becomes U+FFFD.
std::string narrow(const wchar_t* text, size_t count);
inline std::string narrow(const std::wstring& text)
{
    return narrow(text.data(), text.size());
}
} // namespace platform::windows
