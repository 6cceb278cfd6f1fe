#include "DesktopScale.h"

#include <X11/Xlib.h>

namespace platform
{
float desktopScale()
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return 1.0f;
    const char* resources = XResourceManagerString(display);
    const float scale = resources != nullptr ? xftScale(resources) : 0.0f;
    XCloseDisplay(display);
    return scale > 0.0f ? scale : 1.0f;
}

void drawForDevicePixels() {}
} // namespace platform
