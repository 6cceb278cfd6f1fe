#include "EngineRenderer.h"

#include <cmath>

namespace
{
float peakOf(float meter, const float* samples, uint32_t frames)
{
    for (uint32_t i = 0; i < frames; ++i)
    {
        const auto magnitude = static_cast<float>(std::fabs(static_cast<double>(samples[i])));
        if (magnitude >= meter)
            meter = magnitude;
    }
    return meter;
}
} // namespace

EngineRenderer::EngineRenderer(Layout layout, double sampleRate)
    : layout(layout), rate(static_cast<float>(sampleRate)),
      engine(std::make_unique<ORLChordwellEffect>())
{
    for (int slot = 0; slot < 8; ++slot)
    {
        values[slot] = static_cast<float>(ORLChordwellEffect::defaultValue(slot));
        applied[slot] = -1.666f;
    }
}

void EngineRenderer::setParameter(int slot, float value)
{
    if (slot >= 0 && slot < 8)
        values[slot] = value;
}

void EngineRenderer::setMasterBypass(bool on)
{
    bypass = on;
}

void EngineRenderer::renderBlock(const float* const* in, float* const* out, uint32_t frames)
{
    if (!(appliedRate == rate))
    {
        appliedRate = rate;
        engine->setSampleRate(rate);
    }
    for (int slot = 0; slot < 8; ++slot)
    {
        if (values[slot] != applied[slot])
        {
            applied[slot] = values[slot];
            engine->setParameter(static_cast<uint32_t>(slot), values[slot]);
        }
    }
    const ChannelPair<float> input{const_cast<float*>(in[0]),
                                   layout == Layout::Stereo ? const_cast<float*>(in[1]) : nullptr};
    const ChannelPair<float> output{out[0], layout == Layout::Mono ? nullptr : out[1]};
    if (bypass)
        engine->processBypass(input, output, frames);
    else
        engine->process(input, output, frames);
    inputMeter = peakOf(inputMeter, in[0], frames);
    outputMeter = peakOf(outputMeter, out[0], frames);
}
