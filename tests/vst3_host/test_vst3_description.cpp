// The bundle as JUCE's VST 3 hosting scans and loads it: one reverb by Orlund, its eight
// parameters with the product's texts, and the bank's presets as the host's programs.
#include "JuceVst3Host.h"

#include <gtest/gtest.h>

using namespace vst3host;

TEST(Vst3Description, scan_finds_one_reverb_effect_by_orlund)
{
    const juce::PluginDescription d = describeBundle();
    EXPECT_EQ(d.name, "ORL Chordwell");
    EXPECT_EQ(d.manufacturerName, "Orlund");
    EXPECT_EQ(d.pluginFormatName, "VST3");
    EXPECT_TRUE(d.category.contains("Reverb")) << d.category;
    EXPECT_FALSE(d.isInstrument);
    EXPECT_EQ(d.version, "1.1.5");
}

TEST(Vst3Description, parameters_show_the_product_texts_both_ways)
{
    auto plugin = load();
    ASSERT_NE(plugin, nullptr);
    const auto& parameters = plugin->getParameters();
    ASSERT_GE(parameters.size(), 8);
    const char* names[] = {"Output",    "Mix",  "Decay",  "Damp",
                           "Transpose", "Tune", "Detune", "Bypass"};
    for (int slot = 0; slot < 8; ++slot)
    {
        EXPECT_EQ(parameters[slot]->getName(64), names[slot]);
        EXPECT_TRUE(parameters[slot]->isAutomatable()) << names[slot];
    }
    EXPECT_EQ(parameters[0]->getText(0.5f, 64), "0.0 dB");
    EXPECT_EQ(parameters[0]->getText(0.0f, 64), "-oo dB");
    EXPECT_EQ(parameters[1]->getText(0.25f, 64), "25.0 %");
    EXPECT_EQ(parameters[4]->getText(0.0f, 64), "-24 st");
    EXPECT_EQ(parameters[7]->getText(1.0f, 64), "bypassed ");
    EXPECT_EQ(parameters[7]->getText(0.0f, 64), "process ");
    EXPECT_EQ(plugin->getBypassParameter(), parameters[7]) << "Bypass is the host's bypass";
    // Typed text reaches the product's reader (tested over the whole range in tests/params).
    EXPECT_NEAR(parameters[5]->getValueForText("-37.5 cents"), 0.3125f, 1e-6);
    EXPECT_EQ(parameters[7]->getValueForText("bypassed"), 1.0f);
    EXPECT_EQ(plugin->getLatencySamples(), 0);
}

TEST(Vst3Description, the_banks_presets_are_the_hosts_programs_and_recall_their_values)
{
    auto plugin = load();
    ASSERT_NE(plugin, nullptr);
    ASSERT_EQ(plugin->getNumPrograms(), 10);
    EXPECT_EQ(plugin->getProgramName(0), "Default");
    EXPECT_EQ(plugin->getProgramName(3), "Low & Dark");
    plugin->setCurrentProgram(3);
    juce::MessageManager::getInstance()->runDispatchLoopUntil(50);
    auto& parameters = plugin->getParameters();
    EXPECT_FLOAT_EQ(parameters[2]->getValue(), 0.6f) << "Low & Dark's Decay";
    EXPECT_FLOAT_EQ(parameters[3]->getValue(), 0.75f) << "Low & Dark's Damp";
    EXPECT_FLOAT_EQ(parameters[4]->getValue(), 0.25f) << "Low & Dark's Transpose";
    EXPECT_EQ(plugin->getCurrentProgram(), 3);
}
