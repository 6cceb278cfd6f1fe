#pragma once

#include "AutomationArg.h"
#include "RenderCommand.h"
#include "audio/OutputFormat.h"
#include "render/Layout.h"

#include <StateFile.h>

#include <optional>
#include <utility>
#include <vector>

// A single render's command line once every part of it has been read and checked.
struct CheckedRender
{
    std::optional<int> preset;
    std::vector<std::pair<int, float>> sets;
    std::vector<AutomationPoint> automation;
    std::optional<Layout> layout; // empty: from the input's channels
    OutputFormat format{};
    bool hasInput = false;
    std::vector<statefile::Chunk> state; // a preset, as the chunk a host restores
};

// Checks everything the command line says before any file is touched, and reads the preset
// it names. Returns the exit status when it refused or failed, nothing when the render may
// go on. Any thread that renders.
std::optional<int> checkRenderOptions(const RenderOptions& options, CheckedRender& checked);
