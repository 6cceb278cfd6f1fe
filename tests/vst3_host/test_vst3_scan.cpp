// An installed bundle as a DAW finds it: JUCE's scan of the standard VST 3 folders (~/.vst3,
// /usr/lib/vst3, /usr/local/lib/vst3 on Linux), not a path. Runs where the package suite has
// installed the product and names the folder it must be found in (ORL_VST3_INSTALLED_IN);
// skipped elsewhere.
#include "JuceVst3Host.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using namespace vst3host;

TEST(Vst3Scan, the_bundle_found_in_the_standard_folders_renders_the_build_trees_bits)
{
    const char* expected = std::getenv("ORL_VST3_INSTALLED_IN");
    if (expected == nullptr || *expected == 0)
        GTEST_SKIP() << "ORL_VST3_INSTALLED_IN names no folder: nothing installed to scan";

    juce::VST3PluginFormat format;
    juce::KnownPluginList list;
    juce::PluginDirectoryScanner walk(list, format, format.getDefaultLocationsToSearch(), true, {});
    juce::String name;
    while (walk.scanNextFile(true, name))
    {
    }
    std::vector<juce::PluginDescription> ours;
    for (const auto& type : list.getTypes())
        if (type.name == "ORL Chordwell" && type.manufacturerName == "Orlund")
            ours.push_back(type);
    ASSERT_EQ(ours.size(), 1u) << "one ORL Chordwell in the standard folders";
    EXPECT_TRUE(ours[0].fileOrIdentifier.startsWith(juce::String(expected) + "/"))
        << ours[0].fileOrIdentifier << " is not in " << expected;
    EXPECT_EQ(ours[0].version, describeBundle().version);

    const Audio input = testSignal(2, 48000, 48000.0);
    auto installed = load(ours[0], Layout::Stereo, 48000.0, 512);
    auto built = load(Layout::Stereo, 48000.0, 512);
    ASSERT_TRUE(installed && built);
    const Audio a = render(*installed, input, 24000, 512, 2);
    const Audio b = render(*built, input, 24000, 512, 2);
    for (size_t c = 0; c < 2; ++c)
        EXPECT_EQ(std::memcmp(a[c].data(), b[c].data(), a[c].size() * sizeof(float)), 0)
            << "channel " << c;
}
