// process() as a VST 3 host calls it: the parameter changes it hands in land at their sample
// offsets in blocks of any length and may hold any value, the output's silence flags tell the
// host what it may skip, and the processor says which process context it needs.
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
#include <iterator>
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

TEST(Vst3Processing, automation_lands_at_its_sample_offset_in_blocks_of_any_length)
{
    Processor p;
    // The engine alone, as the render path drives it: rate, then every default as a float.
    ORLChordwellEffect reference;
    reference.setSampleRate(48000.0);
    for (uint32_t slot = 0; slot < 8; ++slot)
        reference.setParameter(slot, static_cast<float>(ORLChordwellEffect::defaultValue(slot)));
    std::vector<float> inL(6000), inR(6000), gotL(6000), gotR(6000), refL(6000), refR(6000);
    for (size_t i = 0; i < inL.size(); ++i)
    {
        inL[i] = (i % 1200) < 200 ? static_cast<float>((i * 7919) % 1000) / 2000.0f - 0.25f : 0.0f;
        inR[i] = 0.3f * static_cast<float>(std::sin(0.05 * static_cast<double>(i)));
    }
    // Odd lengths, empty blocks and long ones; points inside blocks, on their edges and two
    // parameters at one offset (listed by offset within a block).
    const int32 lengths[] = {0, 1, 3, 512, 0, 255, 1024, 7, 2048, 2150};
    // Block, parameter, offset, value.
    const std::tuple<int, Vst::ParamID, int32, double> timed[] = {
        {3, 2, 100, 0.9}, {3, 0, 301, 0.3},  {3, 5, 301, 0.8},
        {5, 3, 0, 0.1},   {6, 2, 1023, 0.2}, {8, 6, 1500, 1.0}};
    int32 at = 0;
    for (int b = 0; b < static_cast<int>(std::size(lengths)); ++b)
    {
        Changes changes;
        int32 done = 0; // the reference splits the block where a point falls
        for (const auto& [block, id, offset, value] : timed)
            if (block == b)
            {
                changes.add(id, {{offset, value}});
                reference.process({&inL[at + done], &inR[at + done]},
                                  {&refL[at + done], &refR[at + done]},
                                  static_cast<uint32_t>(offset - done));
                done = offset;
                reference.setParameter(id, static_cast<float>(value));
            }
        reference.process({&inL[at + done], &inR[at + done]}, {&refL[at + done], &refR[at + done]},
                          static_cast<uint32_t>(lengths[b] - done));
        p.process(&inL[at], &inR[at], &gotL[at], &gotR[at], lengths[b], &changes);
        at += lengths[b];
    }
    ASSERT_EQ(at, 6000);
    EXPECT_EQ(std::memcmp(refL.data(), gotL.data(), sizeof(float) * 6000), 0);
    EXPECT_EQ(std::memcmp(refR.data(), gotR.data(), sizeof(float) * 6000), 0);
    EXPECT_DOUBLE_EQ(p.effect->getParamNormalized(2), 0.25)
        << "automation reaches the engine, not the parameters the host shows";
}

TEST(Vst3Processing, any_value_in_a_hosts_parameter_changes_keeps_the_output_finite)
{
    constexpr auto kLimits = std::numeric_limits<double>();
    for (Vst::ParamID id = 0; id < 8; ++id)
        for (const double value : {-1.0e38, -1.0, 1.0e38, 1.0e300, kLimits.quiet_NaN(),
                                   kLimits.infinity(), -kLimits.infinity(), kLimits.denorm_min()})
        {
            SCOPED_TRACE(std::to_string(id) + " " + std::to_string(value));
            Processor p;
            p.run(0.25f);
            p.run(0.25f, &Changes().add(id, {{0, value}, {100, value}}));
            p.run(0.25f);
            EXPECT_TRUE(p.finite()) << "with the value";
            p.run(0.25f, &Changes().add(id, {{0, p.effect->getParamNormalized(id)}}));
            p.run(0.25f);
            EXPECT_TRUE(p.finite()) << "back at the parameter's value";

            // The edit controller's side: a NaN is refused and changes nothing, anything else
            // is clamped.
            const double before = p.effect->getParamNormalized(id);
            const tresult set = p.effect->setParamNormalized(id, value);
            const double now = p.effect->getParamNormalized(id);
            EXPECT_TRUE(std::isnan(value) ? set != kResultTrue && now == before
                                          : set == kResultTrue && now >= 0.0 && now <= 1.0)
                << now;
            p.run(0.25f);
            EXPECT_TRUE(p.finite()) << "after setParamNormalized";
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
