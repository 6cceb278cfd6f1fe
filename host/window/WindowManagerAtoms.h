#pragma once

// Main thread, before the toolkit opens its display. The toolkit only looks up the window
// manager's atoms (WM_PROTOCOLS, _NET_WM_STATE, ...) and fails on an X server where no window
// manager ever made them (a bare Xvfb); this makes them. False when no X display can be
// opened. Keeps its own connection to the server open to the end of the process.
bool internWindowManagerAtoms();
