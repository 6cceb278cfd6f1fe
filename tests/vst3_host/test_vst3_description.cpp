// The bundle as JUCE's VST 3 hosting scans and loads it: one reverb by Orlund, its eight
// parameters with the product's texts, and the bank's presets as the host's programs (each
// program both ways, in-process: tests/vst3).
#include "JuceVst3Host.h"

#include <gtest/gtest.h>

using namespace vst3host;

TEST(Vst3Description, one_reverb_by_orlund_whose_parameters_show_its_texts_and_presets_are_programs)
{
    const juce::PluginDescription d = describeBundle();
    EXPECT_TRUE(d.name == "ORL Chordwell" && d.manufacturerName == "Orlund" && !d.isInstrument);
    EXPECT_EQ(d.pluginFormatName, "VST3");
    EXPECT_TRUE(d.category.contains("Reverb")) << d.category;

    auto plugin = load();
    ASSERT_NE(plugin, nullptr);
    const auto& parameters = plugin->getParameters();
    ASSERT_GE(parameters.size(), 8);
    const char* names[] = {"Output",    "Mix",  "Decay",  "Damp",
                           "Transpose", "Tune", "Detune", "Bypass"};
    for (int slot = 0; slot < 8; ++slot)
        EXPECT_TRUE(parameters[slot]->getName(64) == names[slot] &&
                    parameters[slot]->isAutomatable())
            << names[slot];
    EXPECT_EQ(parameters[0]->getText(0.0f, 64), "-oo dB");
    EXPECT_EQ(parameters[4]->getText(0.0f, 64), "-24 st");
    EXPECT_EQ(parameters[7]->getText(1.0f, 64), "bypassed ");
    EXPECT_EQ(plugin->getBypassParameter(), parameters[7]) << "Bypass is the host's bypass";
    // Typed text reaches the product's reader (tested over the whole range in tests/params).
    EXPECT_NEAR(parameters[5]->getValueForText("-37.5 cents"), 0.3125f, 1e-6);
    EXPECT_EQ(plugin->getLatencySamples(), 0);

    ASSERT_EQ(plugin->getNumPrograms(), 10);
    EXPECT_EQ(plugin->getProgramName(3), "Low & Dark");
    plugin->setCurrentProgram(3);
    pump(50);
    EXPECT_FLOAT_EQ(parameters[2]->getValue(), 0.6f) << "Low & Dark's Decay";
    EXPECT_EQ(plugin->getCurrentProgram(), 3);
}

#ifdef ORL_BUNDLE_HAS_MODULE_INFO
// Hosts that list plug-ins without loading them read the bundle's moduleinfo.json instead: it
// must say what loading the binary says.
TEST(Vst3Description, the_bundles_module_info_names_what_a_scan_finds)
{
    const juce::PluginDescription d = describeBundle();
    const juce::var info = juce::JSON::parse(
        juce::File(d.fileOrIdentifier).getChildFile("Contents/Resources/moduleinfo.json"));
    ASSERT_TRUE(info.isObject());
    const juce::var& found = info["Classes"][0];
    EXPECT_EQ(info["Classes"].size(), 1);
    EXPECT_EQ(info["Name"].toString(), d.name);
    EXPECT_EQ(found["Name"].toString(), d.name);
    EXPECT_EQ(found["Vendor"].toString(), d.manufacturerName);
    EXPECT_EQ(info["Factory Info"]["Vendor"].toString(), d.manufacturerName);
    EXPECT_EQ(found["Version"].toString(), d.version);
    EXPECT_EQ(found["Category"].toString(), "Audio Module Class");
    juce::StringArray categories;
    for (const juce::var& category : *found["Sub Categories"].getArray())
        categories.add(category.toString());
    EXPECT_EQ(categories.joinIntoString("|"), d.category);
}
#endif
