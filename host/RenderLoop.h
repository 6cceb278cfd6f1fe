#pragma once

#include "AudioFile.h"
#include "Layout.h"
#include "Renderer.h"

#include <cstdint>
#include <functional>

struct RenderRequest
{
    Layout layout = Layout::Stereo;
    double tailSeconds = 3.0;
    uint32_t blockFrames = 512;
};

// Called now and then with the share done, 0..1.
using ProgressFn = std::function<void(double)>;

// Feeds the input (channel 0 alone for the one-input layouts, channel 0 twice for a mono
// file in stereo) and then tailSeconds of silence through the renderer in blocks, and
// returns the output at the input's rate. Main thread.
AudioBuffer renderThrough(Renderer& renderer, const AudioBuffer& input,
                          const RenderRequest& request, const ProgressFn& progress);
