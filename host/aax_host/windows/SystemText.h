#pragma once

#include <windows/Utf16.h>

#include <string>

// Text for and from the Windows API, for the host. Any thread.

// The UTF-16 of a UTF-8 path for a W function; text that is not UTF-8 or holds a NUL gives an
// empty path, which names nothing.
inline std::wstring wide(const std::string& text)
{
    return platform::windows::widenName(text).value_or(std::wstring());
}

// The system's own words for an error code (GetLastError), without the closing period.
std::string systemMessage(unsigned long code);
