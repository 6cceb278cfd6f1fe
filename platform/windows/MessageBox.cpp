#include "SystemServices.h"

#include "Utf16.h"

#include <windows.h>

namespace platform::system
{
void showMessageBox(const std::string& text, const std::string& caption)
{
    // Text that is not UTF-8 is still shown, with its bad bytes as '?'.
    auto wide = [](const std::string& utf8)
    {
        if (auto converted = windows::widen(utf8))
            return *converted;
        std::wstring ascii;
        for (char c : utf8)
            ascii += static_cast<unsigned char>(c) < 0x80 ? static_cast<wchar_t>(c) : L'?';
        return ascii;
    };
    MessageBoxW(nullptr, wide(text).c_str(), wide(caption).c_str(), MB_OK);
}
} // namespace platform::system
