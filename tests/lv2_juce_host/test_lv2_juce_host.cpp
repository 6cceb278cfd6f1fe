// JUCE's LV2 hosting with the built bundle: it finds the three plug-ins with eight parameters
// and the ten presets as programs, renders through them (bypassed too), opens and closes the
// editor fifty times while audio runs, and shows the editor at the host's scale. (The session
// state in lilv, which hosts such as Ardour and jalv use: tests/lv2.)
#include <gtest/gtest.h>
#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <cmath>
#include <memory>
#include <thread>
#include <utility>

namespace
{
const juce::String kUri = "https://www.orlund.com/lv2/chordwell#";

std::unique_ptr<juce::AudioPluginInstance> load(const juce::String& layout)
{
    static juce::LV2PluginFormat format;
    static const auto searched =
        format.searchPathsForPlugins(juce::FileSearchPath(ORL_LV2_PATH), true);
    juce::OwnedArray<juce::PluginDescription> found;
    format.findAllTypesForFile(found, kUri + layout);
    if (found.isEmpty())
        return nullptr;
    juce::String error;
    auto plugin = format.createInstanceFromDescription(*found[0], 48000.0, 512, error);
    if (plugin != nullptr)
    {
        plugin->setPlayConfigDetails(layout == "stereo" ? 2 : 1, layout == "mono" ? 1 : 2, 48000.0,
                                     512);
        plugin->prepareToPlay(48000.0, 512);
    }
    return plugin;
}

// Noise bursts through the plug-in; the output's peak.
float renderPeak(juce::AudioPluginInstance& plugin, int blocks)
{
    juce::AudioBuffer<float> buffer(
        std::max(plugin.getTotalNumInputChannels(), plugin.getTotalNumOutputChannels()), 512);
    juce::MidiBuffer midi;
    juce::Random random(7);
    float peak = 0.0f;
    for (int b = 0; b < blocks; ++b)
    {
        buffer.clear();
        if (b < 4)
            for (int c = 0; c < plugin.getTotalNumInputChannels(); ++c)
                for (int i = 0; i < 512; ++i)
                    buffer.setSample(c, i, random.nextFloat() - 0.5f);
        plugin.processBlock(buffer, midi);
        if (b >= 4)
            peak = std::max(peak, buffer.getMagnitude(0, 512));
    }
    return peak;
}
} // namespace

TEST(Lv2JuceHost, EachLayoutLoadsWithItsParametersAndProgramsAndRingsUnlessBypassed)
{
    for (const juce::String layout : {"mono", "mono-stereo", "stereo"})
        for (const bool bypass : {false, true})
        {
            SCOPED_TRACE(layout.toStdString() + (bypass ? " bypassed" : ""));
            auto plugin = load(layout);
            ASSERT_NE(plugin, nullptr);
            const auto& parameters = plugin->getParameters();
            ASSERT_GE(parameters.size(), 8);
            EXPECT_EQ(parameters[2]->getName(64), "Decay");
            EXPECT_EQ(plugin->getNumPrograms(), 10);
            EXPECT_EQ(plugin->getLatencySamples(), 0);
            parameters[2]->setValueNotifyingHost(0.8f);
            parameters[7]->setValueNotifyingHost(bypass ? 1.0f : 0.0f);
            // Bypassed, only the engine's denormal guard reaches the strings.
            const float peak = renderPeak(*plugin, 40);
            EXPECT_TRUE(bypass ? peak < 1e-6f : peak > 1e-4f) << peak;
        }
}

TEST(Lv2JuceHost, EditorOpensAndClosesFiftyTimesWhileAudioRunsAndTakesTheHostsScale)
{
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "no X display";
    auto plugin = load("stereo");
    ASSERT_NE(plugin, nullptr);
    ASSERT_TRUE(plugin->hasEditor());
    std::atomic<bool> running{true};
    std::thread audio(
        [&]
        {
            while (running)
            {
                renderPeak(*plugin, 1);
                juce::Thread::sleep(5);
            }
        });
    for (int round = 0; round < 50; ++round)
    {
        std::unique_ptr<juce::AudioProcessorEditor> editor(plugin->createEditorIfNeeded());
        ASSERT_NE(editor, nullptr) << round;
        const auto size = [&editor] { return std::pair(editor->getWidth(), editor->getHeight()); };
        if (round == 0)
            editor->setScaleFactor(2.0f);
        editor->setTopLeftPosition(40, 40);
        editor->addToDesktop(juce::ComponentPeer::windowIsTemporary);
        editor->setVisible(true);
        juce::MessageManager::getInstance()->runDispatchLoopUntil(round == 0 ? 500 : 30);
        if (round == 0)
        {
            // The host's scale, set before the editor shows and again while it is open.
            EXPECT_EQ(size(), std::pair(802, 602));
            editor->setScaleFactor(1.5f);
            juce::MessageManager::getInstance()->runDispatchLoopUntil(300);
            EXPECT_EQ(size(), std::pair(602, 452));
        }
        // Closed as a DAW closes it: hidden first, its last window events handled, then
        // deleted. JUCE's XEmbed holder answers a configure event of our window with a queued
        // call on itself that it does not cancel when deleted.
        editor->setVisible(false);
        editor->removeFromDesktop();
        juce::MessageManager::getInstance()->runDispatchLoopUntil(30);
    }
    running = false;
    audio.join();
}
