#pragma once

#include <CLI/CLI.hpp>

// `chordwell-host presets`: the factory presets by number, with the names and values the
// panel shows, so that a --preset can be chosen. Main thread.
void addPresetsOptions(CLI::App& command);

// Exit status: always 0.
int runPresets();
