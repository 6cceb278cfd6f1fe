#pragma once

#include <string>

namespace platform
{
// Main thread. The user's desktop scale: on Linux the X server's "Xft.dpi" resource over 96
// (the DPI desktops set for their scaling), on Windows the system's DPI over 96. 1 when there
// is no window system or nothing is set.
float desktopScale();

// Main thread, before the process's first window. Tells the system that the program draws for
// the display's real pixels (Windows: per-monitor DPI aware, so the system neither stretches
// its windows nor hides the real DPI from it). Nothing to do on Linux.
void drawForDevicePixels();

// Any thread. The "Xft.dpi" value of an X resource database text (as the RESOURCE_MANAGER
// property holds it) over 96; 0 when it holds none or a DPI outside 24..960.
float xftScale(const std::string& resources);
} // namespace platform
