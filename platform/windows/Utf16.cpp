#include "Utf16.h"

#include <climits>
#include <windows.h>

namespace platform::windows
{
std::optional<std::wstring> widen(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    if (text.size() > INT_MAX)
        return std::nullopt;
    const int bytes = static_cast<int>(text.size());
    const int units =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), bytes, nullptr, 0);
    if (units <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<size_t>(units), L'\0');
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), bytes, wide.data(),
                            units) != units)
        return std::nullopt;
    return wide;
}

std::optional<std::wstring> widenName(const std::string& text)
{
    if (text.find('\0') != std::string::npos)
        return std::nullopt;
    return widen(text);
}

std::string narrow(const wchar_t* text, size_t count)
{
    if (count == 0 || count > INT_MAX / 3)
        return {};
    const int units = static_cast<int>(count);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, units, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return {};
    std::string out(static_cast<size_t>(bytes), '\0');
    if (WideCharToMultiByte(CP_UTF8, 0, text, units, out.data(), bytes, nullptr, nullptr) != bytes)
        return {};
    return out;
}
} // namespace platform::windows
