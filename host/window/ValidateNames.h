#pragma once

#include "validate/ValidateCommand.h"

// validate's window checks. Main thread; each starts and ends the toolkit itself.

// The editor opened (drawn offscreen) over bank states whose preset names hold every byte
// value at every place (level L: L tenths of them): the preset bar shows the current name
// and lists all ten.
ValidateVerdict checkNamesInEditor(const PluginLibrary& library, const std::string& pluginPath,
                                   int level);

// `chordwell-host edit` on a fresh X server without a window manager (Xvfb), with Xlib's
// default error handler, which ends the process on any X error: the window opens, runs and
// closes on request with exit status 0. Skipped, with the reason, where Xvfb cannot run.
ValidateVerdict checkWindowWithoutWindowManager(const PluginLibrary& library,
                                                const std::string& pluginPath, int level);
