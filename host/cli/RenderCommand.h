#pragma once

#include "render/PresetSources.h"

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

// `chordwell-host render [options] [IN] OUT`. Main thread.
struct RenderOptions
{
    std::vector<std::string> files; // [IN] OUT
    std::string layout;
    std::string preset;
    PresetSourceOptions presetSource;
    std::vector<std::string> sets;
    std::string format; // float32 | pcm24 | pcm16 | flac; empty: from OUT's name
    double tailSeconds = 3.0;
    bool tailAuto = false; // until the output dies away, at most kAutoTailSeconds
    int64_t blockFrames = 512;
    bool masterBypass = false;
    bool demo = false;                    // the built-in demo into OUT, even over a file there
    std::string plugin;                   // plug-in library; empty: pluginPath's default
    std::string stateIn;                  // state file restored before the first block
    std::string stateOut;                 // state file (every chunk) saved after the last block
    std::vector<std::string> automations; // SLOT@SECONDS=VALUE
    std::string outputDir;                // many inputs at once: the outputs' folder
    std::string suffix;                   // added to each output's name with outputDir
    int jobs = 0;                         // threads with outputDir; 0: one per core
};

// --tail auto: the output counts as died away after this long below -90 dBFS; the longest tail
// it renders (the plug-in's own tail length is not something a host can ask through the
// interface it loads, and Decay 100 % rings for minutes: a bound the user can read is better).
inline constexpr double kAutoTailQuietSeconds = 0.5;
inline constexpr double kAutoTailSeconds = 120.0;

void addRenderOptions(CLI::App& command, RenderOptions& options);

// Renders through the loaded plug-in (with outputDir: every input, BatchRender.h). Exit
// status: 0 done, 1 input, output or plug-in failed, 2 refused arguments.
int runRender(const RenderOptions& options);

// One render whose every line (stdout's and stderr's) goes into captured instead, without a
// progress bar. Any thread: renders on several threads at once take turns only while the
// plug-in's instance is made and unmade.
int runRenderCaptured(const RenderOptions& options, std::string& captured);
