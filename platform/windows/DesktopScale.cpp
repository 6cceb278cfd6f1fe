#include "DesktopScale.h"

#include <windows.h>

namespace platform
{
namespace
{
template <typename Function> Function user32Function(const char* name)
{
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
               : nullptr;
}
} // namespace

float desktopScale()
{
    // Looked up at run time: systems before Windows 10 have only the screen's device caps.
    using GetDpiForSystemFunction = UINT(WINAPI*)();
    UINT dpi = 0;
    if (const auto getDpiForSystem = user32Function<GetDpiForSystemFunction>("GetDpiForSystem"))
        dpi = getDpiForSystem();
    if (dpi == 0)
    {
        HDC screen = GetDC(nullptr);
        if (screen == nullptr)
            return 1.0f;
        dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
        ReleaseDC(nullptr, screen);
    }
    return dpi >= 24 && dpi <= 960 ? static_cast<float>(dpi) / 96.0f : 1.0f;
}

void drawForDevicePixels()
{
    using SetContextFunction = BOOL(WINAPI*)(HANDLE);
    if (const auto setContext = user32Function<SetContextFunction>("SetProcessDpiAwarenessContext"))
        if (setContext(reinterpret_cast<HANDLE>(-4))) // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
            return;
    using SetAwareFunction = BOOL(WINAPI*)();
    if (const auto setAware = user32Function<SetAwareFunction>("SetProcessDPIAware"))
        setAware();
}
} // namespace platform
