#pragma once

#include "render/Renderer.h"

#include <ORLChordwellEffect.h>

#include <algorithm>
#include <cmath>
#include <memory>

// The render path without the plug-in boundary, for tests: drives the engine directly with
// the render callback's semantics (the rate, then every slot's value before the first block,
// a changed value before the next block, peaks metered on channel 0), so the path through the
// plug-in can be compared with it.
class EngineRenderer final : public Renderer
{
  public:
    EngineRenderer(Layout layout, double sampleRate) : layout(layout)
    {
        engine->setSampleRate(static_cast<float>(sampleRate));
        for (uint32_t slot = 0; slot < 8; ++slot)
        {
            values[slot] = static_cast<float>(ORLChordwellEffect::defaultValue(slot));
            engine->setParameter(slot, values[slot]);
        }
    }

    void setParameter(int slot, float value) override
    {
        if (slot >= 0 && slot < 8 && value != values[slot])
            engine->setParameter(static_cast<uint32_t>(slot), values[slot] = value);
    }
    void setMasterBypass(bool on) override { bypass = on; }
    void renderBlock(const float* const* in, float* const* out, uint32_t frames) override
    {
        const ChannelPair<float> input{const_cast<float*>(in[0]), layout == Layout::Stereo
                                                                      ? const_cast<float*>(in[1])
                                                                      : nullptr};
        const ChannelPair<float> output{out[0], layout == Layout::Mono ? nullptr : out[1]};
        if (bypass)
            engine->processBypass(input, output, frames);
        else
            engine->process(input, output, frames);
        for (uint32_t i = 0; i < frames; ++i)
        {
            inputMeter = std::max(inputMeter, std::fabs(in[0][i]));
            outputMeter = std::max(outputMeter, std::fabs(out[0][i]));
        }
    }
    float inputPeak() const override { return inputMeter; }
    float outputPeak() const override { return outputMeter; }

  private:
    Layout layout;
    float values[8];
    bool bypass = false;
    float inputMeter = 0.0f;
    float outputMeter = 0.0f;
    std::unique_ptr<ORLChordwellEffect> engine = std::make_unique<ORLChordwellEffect>();
};
