#pragma once

#include "Renderer.h"

#include <ORLChordwellEffect.h>

#include <memory>

// The render path without the plug-in boundary, for tests: drives the engine directly with
// the render callback's semantics (the rate and any changed slot values applied before each
// block, peaks metered on channel 0), so the path through the plug-in can be compared with it.
class EngineRenderer final : public Renderer
{
  public:
    EngineRenderer(Layout layout, double sampleRate);

    void setParameter(int slot, float value) override;
    void setMasterBypass(bool on) override;
    void renderBlock(const float* const* in, float* const* out, uint32_t frames) override;
    float inputPeak() const override { return inputMeter; }
    float outputPeak() const override { return outputMeter; }

  private:
    Layout layout;
    float rate;
    float appliedRate = -1.666f;
    float values[8];
    float applied[8];
    bool bypass = false;
    float inputMeter = 0.0f;
    float outputMeter = 0.0f;
    std::unique_ptr<ORLChordwellEffect> engine;
};
