#include "WindowManagerAtoms.h"

#include <X11/Xlib.h>

bool internWindowManagerAtoms()
{
    static const char* const names[] = {"WM_PROTOCOLS",
                                        "WM_TAKE_FOCUS",
                                        "WM_DELETE_WINDOW",
                                        "_NET_WM_PING",
                                        "WM_CHANGE_STATE",
                                        "WM_STATE",
                                        "_NET_WM_WINDOW_TYPE",
                                        "_NET_WM_STATE",
                                        "_NET_WM_STATE_HIDDEN",
                                        "_NET_WM_WINDOW_TYPE_NORMAL",
                                        "_NET_WM_STATE_SKIP_TASKBAR",
                                        "_MOTIF_WM_HINTS",
                                        "_NET_WM_ALLOWED_ACTIONS",
                                        "_NET_WM_ACTION_CLOSE",
                                        "_NET_FRAME_EXTENTS"};
    // The connection stays open to the end of the process: a server without clients resets
    // and forgets its atoms.
    static Display* const display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    for (const char* name : names)
        XInternAtom(display, name, False);
    XSync(display, False);
    return true;
}
