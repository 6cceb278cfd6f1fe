#pragma once

namespace platform
{
// Main thread. Whether a left or right Ctrl key, a left or right Alt key and a left or right
// Windows (Super) key are all down at this moment, asked of the window system's keyboard
// (on Windows as the calling thread's messages last saw it); false when there is no window
// system.
bool ctrlAltWindowsDown();
} // namespace platform
