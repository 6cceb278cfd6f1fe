#pragma once

#include "validate/ValidateCommand.h"

// validate's editor check: the editor opened and closed while another thread renders and
// host automation arrives, drawn offscreen (no display needed); the process's locale and
// floating-point state, on the main thread and the audio thread, unchanged afterwards.
// Main thread; it starts and ends the toolkit itself.
ValidateVerdict checkEditorWhileRendering(const PluginLibrary& library,
                                          const std::string& pluginPath, int level);
