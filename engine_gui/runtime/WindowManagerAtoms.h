#pragma once

namespace orl
{
// Main thread; call before the toolkit's first window (a window, the desktop's displays or a
// system font may open its display), and again as often as convenient. The toolkit only looks
// the window manager's atoms up (WM_PROTOCOLS, WM_STATE, _NET_WM_STATE, ...) when it opens its
// display, then sends requests that carry them even when they do not exist (atom 0): on an X
// server without a window manager that error ends any host that keeps Xlib's default error
// handler. This creates them, on a connection of its own that stays open while the library is
// loaded (a server that loses its last client forgets its atoms). Installs no error handler.
// False when there is no X display (no DISPLAY, no server, no libX11); true on Windows.
bool createWindowManagerAtoms();
} // namespace orl
