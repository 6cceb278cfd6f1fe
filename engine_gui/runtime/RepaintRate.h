#pragma once

namespace orl
{
// Main thread, before a window is put on the screen. The toolkit hands a window's repaints to
// the screen at the display's refresh rate and, where the window system does not report one
// (an X server without a window manager or RandR data), at a guessed 100 Hz, which wakes an
// idle process a hundred times a second. Displays with no known rate are taken as the usual
// 60 Hz instead; a rate the system reports is kept.
void assumeUsualRefreshRate();
} // namespace orl
