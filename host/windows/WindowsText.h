#pragma once

#include <string>

// The host's UTF-8 text to and from the UTF-16 of the Windows API. Any thread.

// Text not valid as UTF-8 gets U+FFFD where it fails, and then names nothing that exists.
std::wstring widen(const std::string& text);
std::string narrow(const wchar_t* text);
// The system's own words for an error code (GetLastError), without the closing period.
std::string systemMessage(unsigned long code);
