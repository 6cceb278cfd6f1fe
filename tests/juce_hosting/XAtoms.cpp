// Kept apart from the tests: Xlib's macros clash with other headers.
#include <X11/Xlib.h>

#include <cstdlib>

// A bare X server without a window manager lacks the window manager's atoms, and JUCE's
// windows use some of them only if they exist (then fail on atom 0). A desktop always has
// them: make it so. The connection stays open, since an X server that loses its last client
// forgets its atoms.
void internWindowManagerAtoms()
{
    if (std::getenv("DISPLAY") == nullptr)
        return;
    static Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return;
    const char* names[] = {"WM_PROTOCOLS",      "WM_TAKE_FOCUS",
                           "WM_DELETE_WINDOW",  "_NET_WM_PING",
                           "WM_CHANGE_STATE",   "WM_STATE",
                           "_NET_WM_USER_TIME", "_NET_ACTIVE_WINDOW",
                           "_NET_WM_PID",       "_NET_WM_WINDOW_TYPE",
                           "_NET_WM_STATE",     "_NET_WM_STATE_HIDDEN",
                           "_XEMBED",           "_XEMBED_INFO"};
    for (const char* name : names)
        XInternAtom(display, name, False);
    XSync(display, False);
}
