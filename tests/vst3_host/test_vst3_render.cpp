// Audio through JUCE's VST 3 hosting: the same bits as chordwell-host renders through the AAX
// shell, and a tail that the host can trust. (Automation at its sample offsets: tests/vst3.)
#include "JuceVst3Host.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <tuple>

using namespace vst3host;

TEST(Vst3Render, every_layout_renders_the_same_bits_as_chordwell_host)
{
    const TempFolder scratch("orl-vst3-render-");
    const std::string& folder = scratch.path;
    ASSERT_FALSE(folder.empty());
    const std::tuple<Layout, const char*, int, int> layouts[] = {
        {Layout::Mono, "mono", 1, 1},
        {Layout::MonoToStereo, "mono-stereo", 1, 2},
        {Layout::Stereo, "stereo", 2, 2}};
    for (const auto& [layout, name, inputs, outputs] : layouts)
    {
        SCOPED_TRACE(name);
        const Audio input = testSignal(inputs, 72000, 48000.0);
        const std::string in = folder + "/in-" + name + ".wav";
        const std::string ref = folder + "/ref-" + name + ".wav";
        ASSERT_TRUE(writeWav(in, input, 48000));
        ASSERT_EQ(chordwellHost({"render", "--layout", name, "--tail", "1", in, ref}), 0);
        auto plugin = load(layout);
        ASSERT_NE(plugin, nullptr);
        const Audio got = render(*plugin, input, 48000, 512, outputs);
        // As bits: a -0 for a 0 is another render.
        const Audio expected = readWav(ref);
        ASSERT_EQ(expected.size(), got.size());
        for (size_t c = 0; c < got.size(); ++c)
        {
            ASSERT_EQ(expected[c].size(), got[c].size());
            EXPECT_EQ(std::memcmp(expected[c].data(), got[c].data(), got[c].size() * 4), 0)
                << "channel " << c;
        }
    }
}

TEST(Vst3Render, after_the_reported_tail_of_silence_the_output_is_below_1e_7)
{
    auto plugin = load(Layout::Stereo);
    ASSERT_NE(plugin, nullptr);
    auto& parameters = plugin->getParameters();
    const double shortTail = plugin->getTailLengthSeconds();
    // The longest Decay, Output at +12 dB, the lowest Tune.
    for (const auto& [slot, value] : {std::pair{2, 1.0f}, {0, 1.0f}, {5, 0.0f}})
        parameters[slot]->setValueNotifyingHost(value);
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
