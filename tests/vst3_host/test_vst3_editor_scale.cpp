// The editor at a host's scale in JUCE's VST 3 hosting on a real X display (Xvfb in the test
// command): JUCE passes its editor scale through the view's content scale interface, before
// the view is attached or while it is open, and the window is then as large as the scale says,
// drawn for it (what chordwell-host snapshot draws at that scale) and handled at its points.
#include "JuceVst3Host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <string>
#include <tuple>
#include <utility>

using namespace vst3host;

namespace
{
std::pair<int, int> sizeOf(const juce::Component& c)
{
    return {c.getWidth(), c.getHeight()};
}

// chordwell-host's picture of the window at the scale (invalid when it could not be made).
juce::Image snapshotAt(const char* scale)
{
    const juce::TemporaryFile png(".png");
    if (chordwellHost(
            {"snapshot", "--scale", scale, png.getFile().getFullPathName().toStdString()}) != 0)
        return {};
    return juce::ImageFileFormat::loadFrom(png.getFile());
}

// The share of pixels of two equal-sized pictures that a person would see differ (any channel
// more than 24 apart); 1 when their sizes differ.
double differingShare(const juce::Image& a, const juce::Image& b)
{
    if (!a.isValid() || a.getBounds() != b.getBounds())
        return 1.0;
    int differing = 0;
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
        {
            const juce::Colour p = a.getPixelAt(x, y), q = b.getPixelAt(x, y);
            differing +=
                std::max({std::abs(p.getRed() - q.getRed()), std::abs(p.getGreen() - q.getGreen()),
                          std::abs(p.getBlue() - q.getBlue())}) > 24;
        }
    return static_cast<double>(differing) / (a.getWidth() * a.getHeight());
}

// The build's plug-in in JUCE's VST 3 hosting, where the screen can be read (X11 only).
class Vst3EditorScale : public ::testing::Test
{
  protected:
    void SetUp() override
    {
#ifdef _WIN32
        GTEST_SKIP() << "the screen is read from X11 only";
#endif
        if (std::getenv("DISPLAY") == nullptr)
            GTEST_SKIP() << "no X display";
        plugin = load();
        ASSERT_NE(plugin, nullptr);
    }
    void TearDown() override
    {
        editor.reset();
        pump(100);
    }

    // What the screen shows of the editor's window, the pointer away from it (a hint would
    // show).
    juce::Image onScreen()
    {
        juce::Desktop::setMousePosition({1020, 760});
        pump(300);
        return grabScreen(juce::Desktop::getInstance().getDisplays().logicalToPhysical(
            editor->getScreenBounds()));
    }

    std::unique_ptr<juce::AudioPluginInstance> plugin;
    std::unique_ptr<juce::AudioProcessorEditor> editor;
};
} // namespace

TEST_F(Vst3EditorScale, scale_two_before_the_view_opens_gives_a_window_drawn_at_twice_the_size)
{
    editor = openEditor(*plugin, 2.0f);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(sizeOf(*editor), std::pair(802, 602));
    pump(1500);
    EXPECT_EQ(sizeOf(*editor), std::pair(802, 602));

    // Drawn for the scale, the whole window, pixel for pixel: a 1x window in a corner, or one
    // stretched, differs from the 2x picture in most of its text and edges.
    const juce::Image expected = snapshotAt("2");
    ASSERT_TRUE(expected.isValid());
    EXPECT_LT(differingShare(onScreen(), expected), 0.001);

    // The knob is where it is drawn: at twice its 1x point.
    const std::string events = dragDecay(*plugin, *editor, 2.0f);
    EXPECT_NE(plugin->getParameters()[2]->getValue(), 0.25f) << "the drag moved the host's Decay";
    EXPECT_TRUE(std::regex_match(events, std::regex("v*bv+ev*"))) << "one gesture: " << events;
}

TEST_F(Vst3EditorScale, a_new_scale_while_open_resizes_the_window_and_draws_it_anew)
{
    editor = openEditor(*plugin);
    ASSERT_NE(editor, nullptr);
    pump(1000);
    ASSERT_EQ(sizeOf(*editor), std::pair(401, 301));
    // Back to 1 after 1.5: smaller again, nothing left of the larger picture.
    for (const auto& [scale, text, size] :
         {std::tuple(1.5f, "1.5", std::pair(602, 452)), std::tuple(1.0f, "1", std::pair(401, 301))})
    {
        editor->setScaleFactor(scale);
        pump(1000);
        EXPECT_EQ(sizeOf(*editor), size) << scale;
        const juce::Image expected = snapshotAt(text);
        ASSERT_TRUE(expected.isValid());
        EXPECT_LT(differingShare(onScreen(), expected), 0.001) << scale;
    }
}
