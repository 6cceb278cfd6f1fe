// The session's state through JUCE's VST 3 hosting and the raw component: the whole bank
// and every value come back, a chordwell-host state loads, damaged state changes nothing.
#include "JuceVst3Host.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <pluginterfaces/vst/ivstcomponent.h>
#include <pluginterfaces/vst/ivsteditcontroller.h>
#include <public.sdk/source/common/memorystream.h>

#include <fstream>
#include <iterator>

using namespace vst3host;
using namespace Steinberg;

namespace
{
std::vector<float> valuesOf(juce::AudioPluginInstance& plugin)
{
    std::vector<float> values;
    for (int slot = 0; slot < 8; ++slot)
        values.push_back(plugin.getParameters()[slot]->getValue());
    return values;
}
} // namespace

TEST(Vst3State, a_reloaded_session_has_the_same_bank_values_and_sound)
{
    auto before = load();
    ASSERT_NE(before, nullptr);
    before->setCurrentProgram(4);
    pump(30);
    before->getParameters()[1]->setValueNotifyingHost(0.8f); // automation-style Mix
    before->getParameters()[6]->setValueNotifyingHost(0.4f);
    pump(30);
    juce::MemoryBlock session;
    before->getStateInformation(session);
    const Audio input = testSignal(2, 24000, 48000.0);

    auto after = load();
    ASSERT_NE(after, nullptr);
    after->setStateInformation(session.getData(), static_cast<int>(session.getSize()));
    pump(30);
    EXPECT_EQ(valuesOf(*after), valuesOf(*before));
    EXPECT_EQ(after->getCurrentProgram(), 4);
    for (int p = 0; p < 10; ++p)
        EXPECT_EQ(after->getProgramName(p), before->getProgramName(p));
    EXPECT_EQ(render(*after, input, 4800, 512, 2), render(*before, input, 4800, 512, 2));
}

TEST(Vst3State, a_state_saved_by_chordwell_host_loads_and_sounds_the_same)
{
    const TempFolder scratch("orl-vst3-state-");
    const std::string& folder = scratch.path;
    ASSERT_FALSE(folder.empty());
    const Audio input = testSignal(2, 24000, 48000.0);
    ASSERT_TRUE(writeWav(folder + "/in.wav", input, 48000));
    ASSERT_EQ(chordwellHost({"render", "--preset", "3", "--tail", "0.5", "--state-out",
                             folder + "/s.state", folder + "/in.wav", folder + "/ref.wav"}),
              0);
    std::ifstream file(folder + "/s.state", std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    MemoryStream state(bytes.data(), static_cast<TSize>(bytes.size()));
    auto plugin = load();
    ASSERT_NE(plugin, nullptr);
    ASSERT_EQ(componentOf(*plugin)->setState(&state), kResultOk);
    // Straight to the component, past JUCE's own bookkeeping: ask the controller itself.
    Vst::IEditController* controller = nullptr;
    componentOf(*plugin)->queryInterface(Vst::IEditController::iid,
                                         reinterpret_cast<void**>(&controller));
    ASSERT_NE(controller, nullptr);
    EXPECT_DOUBLE_EQ(controller->getParamNormalized(100) * 9.0, 3.0) << "program 3 current";
    EXPECT_FLOAT_EQ(static_cast<float>(controller->getParamNormalized(2)), 0.6f) << "its Decay";
    controller->release();
    EXPECT_EQ(render(*plugin, input, 24000, 512, 2), readWav(folder + "/ref.wav"));
}

TEST(Vst3State, damaged_or_foreign_state_is_refused_and_changes_nothing)
{
    auto plugin = load();
    ASSERT_NE(plugin, nullptr);
    plugin->setCurrentProgram(2);
    pump(30);
    MemoryStream saved;
    ASSERT_EQ(componentOf(*plugin)->getState(&saved), kResultOk);
    const std::vector<char> good(saved.getData(), saved.getData() + saved.getSize());
    const auto values = valuesOf(*plugin);
    // Cut short, its header damaged, not ours at all, and empty.
    std::vector<std::vector<char>> bad(4, good);
    bad[0].resize(good.size() / 2);
    bad[1][1] ^= 0x20;
    std::fill(bad[2].begin(), bad[2].end(), 'x');
    bad[3].clear();
    for (std::vector<char>& b : bad)
    {
        MemoryStream stream(b.data(), static_cast<TSize>(b.size()));
        EXPECT_NE(componentOf(*plugin)->setState(&stream), kResultOk) << b.size();
        EXPECT_EQ(valuesOf(*plugin), values);
        EXPECT_EQ(plugin->getCurrentProgram(), 2);
    }
}
