// process() as a VST 3 host calls it: the host's queues of parameter changes reach the engine
// merged in offset order, a value the host sets is clamped or refused, the output's silence
// flags tell the host what it may skip, and the processor says which process context it needs.
#include "HostObject.h"
#include "ScratchStore.h"

#include <ORLChordwellEffect.h>
#include <ORL_VST3_Effect.h>

#include <gtest/gtest.h>
#include <pluginterfaces/vst/ivstparameterchanges.h>
#include <pluginterfaces/vst/vstspeaker.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

using namespace Steinberg;

namespace
{
// A host's queue of one parameter's points in a block.
struct Queue final : HostObject<Vst::IParamValueQueue>
{
    Vst::ParamID id = 0;
    std::vector<std::pair<int32, Vst::ParamValue>> points;
    Vst::ParamID PLUGIN_API getParameterId() override { return id; }
    int32 PLUGIN_API getPointCount() override { return static_cast<int32>(points.size()); }
    tresult PLUGIN_API getPoint(int32 index, int32& offset, Vst::ParamValue& value) override
    {
        std::tie(offset, value) = points.at(static_cast<size_t>(index));
        return kResultTrue;
    }
    tresult PLUGIN_API addPoint(int32, Vst::ParamValue, int32&) override { return kResultFalse; }
};

struct Changes final : HostObject<Vst::IParameterChanges>
{
    std::vector<Queue> queues;
    Changes& add(Vst::ParamID id, std::vector<std::pair<int32, Vst::ParamValue>> points)
    {
        queues.emplace_back().id = id;
        queues.back().points = std::move(points);
        return *this;
    }
    int32 PLUGIN_API getParameterCount() override { return static_cast<int32>(queues.size()); }
    Vst::IParamValueQueue* PLUGIN_API getParameterData(int32 index) override
    {
        return &queues.at(static_cast<size_t>(index));
    }
    Vst::IParamValueQueue* PLUGIN_API addParameterData(const Vst::ParamID&, int32&) override
    {
        return nullptr;
    }
};

// A stereo effect, set up and active, that renders blocks of 512 frames.
struct Processor
{
    static constexpr int32 kFrames = 512;
    Processor()
    {
        effect->initialize(nullptr);
        Vst::SpeakerArrangement stereo = Vst::SpeakerArr::kStereo;
        effect->setBusArrangements(&stereo, 1, &stereo, 1);
        Vst::ProcessSetup setup{Vst::kRealtime, Vst::kSample32, kFrames, 48000.0};
        effect->setupProcessing(setup);
        effect->setActive(true);
        effect->setProcessing(true);
    }
    ~Processor()
    {
        effect->setProcessing(false);
        effect->setActive(false);
        effect->terminate();
        effect->release();
    }
    // One block of the input level; returns the output's silence flags.
    uint64 run(float level, Changes* changes = nullptr)
    {
        std::vector<float> in(kFrames, level);
        return process(in.data(), in.data(), out[0].data(), out[1].data(), kFrames, changes);
    }
    uint64 process(float* inL, float* inR, float* outL, float* outR, int32 frames, Changes* changes)
    {
        float* ins[2] = {inL, inR};
        float* outs[2] = {outL, outR};
        Vst::AudioBusBuffers input{}, output{};
        input.numChannels = output.numChannels = 2;
        input.channelBuffers32 = ins;
        output.channelBuffers32 = outs;
        output.silenceFlags = 0x5A;
        Vst::ProcessData data;
        data.numSamples = frames;
        data.numInputs = data.numOutputs = 1;
        data.inputs = &input;
        data.outputs = &output;
        data.inputParameterChanges = changes;
        EXPECT_EQ(effect->process(data), kResultOk);
        return output.silenceFlags;
    }
    bool finite() const
    {
        const auto finite = [](float v) { return std::isfinite(v); };
        return std::ranges::all_of(out[0], finite) && std::ranges::all_of(out[1], finite);
    }

    ScratchStore store;
    ORL_VST3_Effect* effect = new ORL_VST3_Effect;
    std::vector<float> out[2] = {std::vector<float>(kFrames), std::vector<float>(kFrames)};
};
} // namespace

TEST(Vst3Processing, the_hosts_queues_reach_the_engine_merged_in_offset_order)
{
    Processor p;
    // The engine alone, as the render path drives it: rate, then every default as a float.
    // (Timed points in blocks of any length: tests/render.)
    ORLChordwellEffect reference;
    reference.setSampleRate(48000.0);
    for (uint32_t slot = 0; slot < 8; ++slot)
        reference.setParameter(slot, static_cast<float>(ORLChordwellEffect::defaultValue(slot)));
    std::vector<float> inL(1536), inR(1536), gotL(1536), gotR(1536), refL(1536), refR(1536);
    for (size_t i = 0; i < inL.size(); ++i)
    {
        inL[i] = (i % 600) < 100 ? static_cast<float>((i * 7919) % 1000) / 2000.0f - 0.25f : 0.0f;
        inR[i] = 0.3f * static_cast<float>(std::sin(0.05 * static_cast<double>(i)));
    }
    // Two queues whose points interleave, one on the other's offset, one past the block's end.
    Changes changes;
    changes.add(2, {{100, 0.9}, {700, 0.2}}).add(0, {{100, 0.3}, {400, 0.6}, {5000, 0.1}});
    p.process(inL.data(), inR.data(), gotL.data(), gotR.data(), 1024, &changes);
    p.process(&inL[1024], &inR[1024], &gotL[1024], &gotR[1024], 512, nullptr);
    const std::tuple<uint32_t, uint32_t, double> steps[] = {
        {100, 2, 0.9}, {100, 0, 0.3}, {400, 0, 0.6}, {700, 2, 0.2}, {1024, 0, 0.1}};
    size_t done = 0;
    for (const auto& [offset, slot, value] : steps)
    {
        reference.process({&inL[done], &inR[done]}, {&refL[done], &refR[done]},
                          static_cast<uint32_t>(offset - done));
        done = offset;
        reference.setParameter(slot, static_cast<float>(value));
    }
    reference.process({&inL[done], &inR[done]}, {&refL[done], &refR[done]},
                      static_cast<uint32_t>(1536 - done));
    EXPECT_EQ(std::memcmp(refL.data(), gotL.data(), sizeof(float) * 1536), 0);
    EXPECT_EQ(std::memcmp(refR.data(), gotR.data(), sizeof(float) * 1536), 0);
    EXPECT_DOUBLE_EQ(p.effect->getParamNormalized(2), 0.25)
        << "automation reaches the engine, not the parameters the host shows";
}

TEST(Vst3Processing, a_nan_set_by_the_host_changes_nothing_and_anything_else_is_clamped)
{
    constexpr auto kLimits = std::numeric_limits<double>();
    Processor p;
    for (Vst::ParamID id = 0; id < 8; ++id)
        for (const double value : {-1.0e38, 1.0e300, kLimits.quiet_NaN(), kLimits.infinity(),
                                   -kLimits.infinity(), kLimits.denorm_min()})
        {
            SCOPED_TRACE(std::to_string(id) + " " + std::to_string(value));
            const double before = p.effect->getParamNormalized(id);
            const tresult set = p.effect->setParamNormalized(id, value);
            const double now = p.effect->getParamNormalized(id);
            EXPECT_TRUE(std::isnan(value) ? set != kResultTrue && now == before
                                          : set == kResultTrue && now >= 0.0 && now <= 1.0)
                << now;
            p.run(0.25f, &Changes().add(id, {{0, value}}));
            p.run(0.25f);
            EXPECT_TRUE(p.finite());
        }
}

TEST(Vst3Processing, needs_no_process_context_and_flags_silent_output_channels)
{
    Processor p;
    Vst::IProcessContextRequirements* requirements = nullptr;
    ASSERT_EQ(p.effect->queryInterface(Vst::IProcessContextRequirements::iid,
                                       reinterpret_cast<void**>(&requirements)),
              kResultOk);
    ASSERT_NE(requirements, nullptr);
    EXPECT_EQ(requirements->getProcessContextRequirements(), 0u);
    requirements->release();

    // Sound in, sound out: nothing is silent.
    EXPECT_EQ(p.run(0.5f), 0u);
    // Output at silence: both channels are all zeros, and the host is told so.
    EXPECT_EQ(p.run(0.5f, &Changes().add(0, {{0, 0.0}})), 3u);
    for (float v : p.out[0])
        ASSERT_EQ(v, 0.0f);
}
