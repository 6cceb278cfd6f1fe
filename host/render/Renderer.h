#pragma once

#include "Layout.h"

#include <cstdint>

// One effect instance as the render command drives it, block by block. Implementations
// follow the render path's order: at the first block the sample rate, then public slots
// 0 to 7 with their values as 32-bit floats, then the blocks. Main (render) thread.
class Renderer
{
  public:
    virtual ~Renderer() = default;
    // Values are normalized 32-bit floats for slots 0-7, applied before the first block.
    virtual void setParameter(int slot, float value) = 0;
    virtual void setMasterBypass(bool on) = 0;
    // Processes one block; in/out hold inputChannels/outputChannels pointers of the layout.
    virtual void renderBlock(const float* const* in, float* const* out, uint32_t frames) = 0;
    // Peak magnitudes of input channel 0 and output channel 0 so far.
    virtual float inputPeak() const = 0;
    virtual float outputPeak() const = 0;
};
