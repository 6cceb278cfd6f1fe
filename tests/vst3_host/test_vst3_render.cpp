// Audio through JUCE's VST 3 hosting: the same bits as chordwell-host renders through the AAX
// shell, and a tail that the host can trust. (Automation at its sample offsets: tests/vst3.)
#include "JuceVst3Host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace vst3host;

namespace
{
bool sameBits(const std::vector<float>& a, const std::vector<float>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}
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
