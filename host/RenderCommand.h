#pragma once

#include "PresetSources.h"

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

// `chordwell-host render [options] [IN] OUT.wav`. Main thread.
struct RenderOptions
{
    std::vector<std::string> files; // [IN] OUT
    std::string layout;
    std::string preset;
    PresetSourceOptions presetSource;
    std::vector<std::string> sets;
    double tailSeconds = 3.0;
    int64_t blockFrames = 512;
    bool masterBypass = false;
    bool demo = false;                    // the built-in demo into OUT, even over a file there
    std::string plugin;                   // plug-in library; the one beside the host by default
    std::string stateIn;                  // 'All ' chunk restored before the first block
    std::string stateOut;                 // 'All ' chunk saved after the last block
    std::vector<std::string> automations; // SLOT@SECONDS=VALUE
};

void addRenderOptions(CLI::App& command, RenderOptions& options);

// Renders through the loaded plug-in. Exit status: 0 done, 1 input, output or plug-in
// failed, 2 refused arguments.
int runRender(const RenderOptions& options);
