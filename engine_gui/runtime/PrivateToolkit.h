#pragma once

namespace orl
{
// A plug-in library's own copy of the toolkit, started from its shells' entry points (a VST 3
// module's load, an LV2 UI's creation) and shared by every window the library opens. Main
// thread.

// The first start starts the toolkit and makes the window manager's atoms
// (WindowManagerAtoms.h) before any window can open, the library's or that of a host that
// loaded it; later starts only count.
void startPrivateToolkit();

// The stop that matches the first start shuts the toolkit down; a stop without a start does
// nothing.
void stopPrivateToolkit();
} // namespace orl
