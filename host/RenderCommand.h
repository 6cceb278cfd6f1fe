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
};

void addRenderOptions(CLI::App& command, RenderOptions& options);

// Exit status: 0 done, 1 input or output failed, 2 refused arguments.
int runRender(const RenderOptions& options);
