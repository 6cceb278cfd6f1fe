#include "DesktopScale.h"

#include <windows.h>

namespace platform
{
float desktopScale()
{
    HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return 1.0f;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi >= 24 && dpi <= 960 ? static_cast<float>(dpi) / 96.0f : 1.0f;
}
} // namespace platform
