#include "KeyboardChord.h"

#include <windows.h>

namespace platform
{
namespace
{
// The key's state as this thread's messages last saw it; the high bit is set while it is down.
bool keyDown(int key)
{
    return (static_cast<unsigned short>(GetKeyState(key)) & 0x8000u) != 0;
}
} // namespace

bool ctrlAltWindowsDown()
{
    // VK_CONTROL and VK_MENU cover the left and right keys; the Windows keys have no such code.
    return keyDown(VK_CONTROL) && keyDown(VK_MENU) && (keyDown(VK_LWIN) || keyDown(VK_RWIN));
}
} // namespace platform
