#include "KeyboardChord.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace platform
{
namespace
{
bool keyDown(Display* display, const char keys[32], KeySym symbol)
{
    const KeyCode code = XKeysymToKeycode(display, symbol);
    return code != 0 && (keys[code / 8] & (1 << (code % 8))) != 0;
}
} // namespace

bool ctrlAltWindowsDown()
{
    // The toolkit does not report the Super key, so the keyboard is asked directly.
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    char keys[32] = {};
    XQueryKeymap(display, keys);
    const bool chord =
        (keyDown(display, keys, XK_Control_L) || keyDown(display, keys, XK_Control_R)) &&
        (keyDown(display, keys, XK_Alt_L) || keyDown(display, keys, XK_Alt_R)) &&
        (keyDown(display, keys, XK_Super_L) || keyDown(display, keys, XK_Super_R));
    XCloseDisplay(display);
    return chord;
}
} // namespace platform
