// Audio through JUCE's VST 3 hosting: the same bits as chordwell-host renders through the AAX
// shell, host automation applied at its sample offsets, any block length, and a tail that
// the host can trust.
#include "JuceVst3Host.h"

#include <ORLChordwellEffect.h>

#include <gtest/gtest.h>
#include <pluginterfaces/vst/ivstaudioprocessor.h>
#include <pluginterfaces/vst/ivstparameterchanges.h>

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace vst3host;
using namespace Steinberg;

namespace
{
bool sameBits(const std::vector<float>& a, const std::vector<float>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

// Timed points of one block for one parameter each, as a host hands them to process().
struct Queue final : Vst::IParamValueQueue
{
    Vst::ParamID id = 0;
    std::vector<std::pair<int32, double>> points;
    tresult PLUGIN_API queryInterface(const TUID, void**) override { return kNoInterface; }
    uint32 PLUGIN_API addRef() override { return 1; }
    uint32 PLUGIN_API release() override { return 1; }
    Vst::ParamID PLUGIN_API getParameterId() override { return id; }
    int32 PLUGIN_API getPointCount() override { return static_cast<int32>(points.size()); }
    tresult PLUGIN_API getPoint(int32 index, int32& offset, Vst::ParamValue& value) override
    {
        if (index < 0 || index >= getPointCount())
            return kResultFalse;
        offset = points[index].first;
        value = points[index].second;
        return kResultTrue;
    }
    tresult PLUGIN_API addPoint(int32, Vst::ParamValue, int32&) override { return kResultFalse; }
};

struct Changes final : Vst::IParameterChanges
{
    std::vector<Queue> queues;
    tresult PLUGIN_API queryInterface(const TUID, void**) override { return kNoInterface; }
    uint32 PLUGIN_API addRef() override { return 1; }
    uint32 PLUGIN_API release() override { return 1; }
    int32 PLUGIN_API getParameterCount() override { return static_cast<int32>(queues.size()); }
    Vst::IParamValueQueue* PLUGIN_API getParameterData(int32 index) override
    {
        return index >= 0 && index < getParameterCount() ? &queues[index] : nullptr;
    }
    Vst::IParamValueQueue* PLUGIN_API addParameterData(const Vst::ParamID&, int32&) override
    {
        return nullptr;
    }
};

// Stereo blocks straight through IAudioProcessor::process.
struct RawStereo
{
    explicit RawStereo(juce::AudioPluginInstance& plugin)
    {
        componentOf(plugin)->queryInterface(Vst::IAudioProcessor::iid,
                                            reinterpret_cast<void**>(&processor));
    }
    ~RawStereo()
    {
        if (processor)
            processor->release();
    }
    void run(float* inL, float* inR, float* outL, float* outR, int32 frames, Changes* changes)
    {
        float* in[2] = {inL, inR};
        float* out[2] = {outL, outR};
        Vst::AudioBusBuffers input{}, output{};
        input.numChannels = output.numChannels = 2;
        input.channelBuffers32 = in;
        output.channelBuffers32 = out;
        Vst::ProcessData data{};
        data.processMode = Vst::kRealtime;
        data.symbolicSampleSize = Vst::kSample32;
        data.numSamples = frames;
        data.numInputs = data.numOutputs = 1;
        data.inputs = &input;
        data.outputs = &output;
        data.inputParameterChanges = changes;
        processor->process(data);
    }
    Vst::IAudioProcessor* processor = nullptr;
};

// The engine alone, as the render path drives it: rate, then every default as a 32-bit value.
struct Reference
{
    Reference()
    {
        engine.setSampleRate(48000.0);
        for (uint32_t slot = 0; slot < 8; ++slot)
            engine.setParameter(slot, static_cast<float>(ORLChordwellEffect::defaultValue(slot)));
    }
    void run(float* inL, float* inR, float* outL, float* outR, uint32_t frames)
    {
        engine.process({inL, inR}, {outL, outR}, frames);
    }
    ORLChordwellEffect engine;
};
} // namespace

TEST(Vst3Render, every_layout_renders_the_same_bits_as_chordwell_host)
{
    const std::string folder = scratchFolder("render");
    struct Case
    {
        Layout layout;
        const char* name;
        int inputs, outputs;
    };
    for (const Case c :
         {Case{Layout::Mono, "mono", 1, 1}, Case{Layout::MonoToStereo, "mono-stereo", 1, 2},
          Case{Layout::Stereo, "stereo", 2, 2}})
    {
        const Audio input = testSignal(c.inputs, 72000, 48000.0);
        const std::string in = folder + "/in-" + c.name + ".wav";
        const std::string ref = folder + "/ref-" + c.name + ".wav";
        ASSERT_TRUE(writeWav(in, input, 48000));
        ASSERT_EQ(chordwellHost({"render", "--layout", c.name, "--tail", "1", in, ref}), 0);
        const Audio expected = readWav(ref);
        auto plugin = load(c.layout);
        ASSERT_NE(plugin, nullptr) << c.name;
        const Audio got = render(*plugin, input, 48000, 512, c.outputs);
        ASSERT_EQ(expected.size(), got.size()) << c.name;
        for (size_t ch = 0; ch < got.size(); ++ch)
            EXPECT_TRUE(sameBits(expected[ch], got[ch])) << c.name << " channel " << ch;
    }
}

TEST(Vst3Render, automation_lands_at_its_sample_offset_in_blocks_of_any_length)
{
    auto plugin = load(Layout::Stereo);
    ASSERT_NE(plugin, nullptr);
    RawStereo raw(*plugin);
    ASSERT_NE(raw.processor, nullptr);
    Reference reference;
    const Audio input = testSignal(2, 6000, 48000.0);
    std::vector<float> inL = input[0], inR = input[1];
    std::vector<float> gotL(inL.size()), gotR(inL.size()), refL(inL.size()), refR(inL.size());
    // Odd lengths, empty blocks and one long block; points inside blocks, on their edges and
    // two parameters at one offset.
    const int32 lengths[] = {0, 1, 3, 512, 0, 255, 1024, 7, 2048, 2150};
    struct Timed
    {
        int block;
        Vst::ParamID id;
        int32 offset;
        double value;
    };
    const Timed timed[] = {{3, 2, 100, 0.9}, {3, 0, 301, 0.3},  {3, 5, 301, 0.8},
                           {5, 3, 0, 0.1},   {6, 2, 1023, 0.2}, {8, 6, 1500, 1.0}};
    int32 position = 0;
    for (int b = 0; b < static_cast<int>(std::size(lengths)); ++b)
    {
        Changes changes;
        for (const Timed& t : timed)
            if (t.block == b)
            {
                Queue q;
                q.id = t.id;
                q.points = {{t.offset, t.value}};
                changes.queues.push_back(q);
            }
        const int32 n = lengths[b];
        raw.run(&inL[position], &inR[position], &gotL[position], &gotR[position], n, &changes);
        // The reference splits the block where a point falls.
        int32 done = 0;
        std::vector<Timed> points;
        for (const Timed& t : timed)
            if (t.block == b)
                points.push_back(t);
        std::sort(points.begin(), points.end(),
                  [](const Timed& a, const Timed& z) { return a.offset < z.offset; });
        for (const Timed& t : points)
        {
            reference.run(&inL[position + done], &inR[position + done], &refL[position + done],
                          &refR[position + done], static_cast<uint32_t>(t.offset - done));
            done = t.offset;
            reference.engine.setParameter(t.id, static_cast<float>(t.value));
        }
        reference.run(&inL[position + done], &inR[position + done], &refL[position + done],
                      &refR[position + done], static_cast<uint32_t>(n - done));
        position += n;
    }
    ASSERT_EQ(position, static_cast<int32>(inL.size()));
    EXPECT_TRUE(sameBits(refL, gotL));
    EXPECT_TRUE(sameBits(refR, gotR));
    EXPECT_FLOAT_EQ(plugin->getParameters()[2]->getValue(), 0.25f)
        << "automation reaches the engine, not the parameters the host shows";
}

TEST(Vst3Render, after_the_reported_tail_of_silence_the_output_is_below_1e_7)
{
    auto plugin = load(Layout::Stereo);
    ASSERT_NE(plugin, nullptr);
    auto& parameters = plugin->getParameters();
    const double shortTail = plugin->getTailLengthSeconds();
    parameters[2]->setValueNotifyingHost(1.0f); // longest Decay
    parameters[0]->setValueNotifyingHost(1.0f); // Output +12 dB
    parameters[5]->setValueNotifyingHost(0.0f); // lowest Tune
    const double tail = plugin->getTailLengthSeconds();
    EXPECT_GT(tail, shortTail) << "the tail follows Decay";
    ASSERT_LT(tail, 600.0);
    Audio loud = testSignal(2, 24000, 48000.0);
    for (auto& channel : loud)
        for (auto& s : channel)
            s *= 2.0f;
    const int tailFrames = static_cast<int>(std::ceil(tail * 48000.0));
    const Audio out = render(*plugin, loud, tailFrames, 512, 2);
    float last = 0.0f;
    for (const auto& channel : out)
        for (size_t i = channel.size() - 4800; i < channel.size(); ++i)
            last = std::max(last, std::abs(channel[i]));
    EXPECT_LT(last, 1e-7f) << "tail " << tail << " s";
}
