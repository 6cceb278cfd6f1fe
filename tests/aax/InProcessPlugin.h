#pragma once

#include <Description.h>
#include <ORLChordwellEffect.h>
#include <ORLEditorDisplay.h>
#include <ORL_QcWl_0x011005_AAX_Parameters_Wrapper.h>
#include <aax_host/EffectInstance.h>
#include <aax_host/HostObject.h>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

// The plug-in described into the real host side within the test process, so tests can
// build instances exactly as chordwell-host does and still look inside the plug-in.
struct InProcessPlugin
{
    HostObject host;

    InProcessPlugin()
    {
        AAX_VCollection collection(&host);
        EXPECT_EQ(ORL_DescribeEffects(collection), AAX_SUCCESS);
    }
    const EffectDescription& effect() { return host.recorder().description().effects.at(0); }
    // Components: 0 mono, 1 stereo, 2 mono in / stereo out.
    std::unique_ptr<EffectInstance> instance(size_t component = 1, float rate = 48000.0f)
    {
        return std::make_unique<EffectInstance>(effect(), component, rate);
    }
};

inline ORL_QcWl_0x011005_AAX_Parameters_Wrapper& wrapperOf(EffectInstance& instance)
{
    return dynamic_cast<ORL_QcWl_0x011005_AAX_Parameters_Wrapper&>(instance.parametersObject());
}

inline ORLChordwellEffect& engineOf(EffectInstance& instance)
{
    return *reinterpret_cast<ORLChordwellEffect*>(const_cast<uint8_t*>(instance.privateData(16)));
}

inline const float* cacheOf(EffectInstance& instance)
{
    return reinterpret_cast<const float*>(instance.privateData(14));
}

// An open editor as the master controller sees it.
struct DisplaySpy final : ORLEditorDisplay
{
    std::vector<std::pair<int, double>> shown;
    void updateDisplay(int32_t index, double value) override { shown.emplace_back(index, value); }
};

// Renders one block of silence-or-given input through a stereo-shaped buffer set.
struct Block
{
    explicit Block(int32_t frames, float value = 0.0f)
        : frames(frames), in0(static_cast<size_t>(frames), value),
          in1(static_cast<size_t>(frames), value), out0(static_cast<size_t>(frames)),
          out1(static_cast<size_t>(frames))
    {
    }
    void run(EffectInstance& instance)
    {
        const float* in[2] = {in0.data(), in1.data()};
        float* out[2] = {out0.data(), out1.data()};
        instance.render(in, out, frames);
    }
    int32_t frames;
    std::vector<float> in0, in1, out0, out1;
};
