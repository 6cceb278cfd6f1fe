#include "CORLBitmapWrapper.h"
#include "ChordwellArtwork.h"
#include "ORLOffscreenEditorEngine.h"

#include <gtest/gtest.h>

using namespace chordwell::artwork;

namespace
{
struct RenderedEditor : ::testing::Test
{
    Orlund::ORLOffscreenEditorEngine engine;
    void SetUp() override { engine.open(); }

    juce::Image render()
    {
        juce::Image image = engine.render();
        EXPECT_EQ(std::pair(image.getWidth(), image.getHeight()), std::pair(401, 282));
        return image;
    }

    // Whether the artwork's opaque pixels at (sx, sy) of the resource show at (x, y).
    static int matchingPixels(const juce::Image& shot, int32_t resource, int x, int y, int sx,
                              int sy, int w, int h)
    {
        const juce::Image art = Orlund::CORLBitmap(resource).getImage();
        int matches = 0;
        int opaque = 0;
        for (int dy = 0; dy < h; ++dy)
            for (int dx = 0; dx < w; ++dx)
            {
                const juce::Colour a = art.getPixelAt(sx + dx, sy + dy);
                if (a.getAlpha() != 255)
                    continue;
                ++opaque;
                if (shot.getPixelAt(x + dx, y + dy) == a)
                    ++matches;
            }
        return opaque > 0 && matches == opaque ? matches : -1;
    }
};

} // namespace

TEST_F(RenderedEditor, knob_handle_sits_lower_left_on_top_and_lower_right)
{
    const juce::Point<int> expected[] = {{296, 221}, {301, 208}, {307, 221}};
    const double values[] = {0.0, 0.5, 1.0};
    for (int i = 0; i < 3; ++i)
    {
        engine.updateDisplay(0, values[i]);
        const juce::Image shot = render();
        for (int j = 0; j < 3; ++j)
        {
            const int found =
                matchingPixels(shot, kSmallHandle, expected[j].x, expected[j].y, 0, 0, 8, 8);
            if (i == j)
                EXPECT_GT(found, 20) << "value " << values[i];
            else
                EXPECT_EQ(found, -1) << "value " << values[i] << " also at " << j;
        }
    }
    // The large knobs turn on their wider circle: Decay straight up.
    engine.updateDisplay(2, 0.5);
    EXPECT_GT(matchingPixels(render(), kLargeHandle, 86, 92, 0, 0, 11, 11), 50);
}

TEST_F(RenderedEditor, led_and_bypass_button_show_their_frames)
{
    engine.updateDisplay(7, 0.0);
    juce::Image shot = render();
    EXPECT_GT(matchingPixels(shot, kBypassLed, 194, 169, 0, 0, 13, 12), 0);
    EXPECT_GT(matchingPixels(shot, kBypassButton, 164, 203, 0, 0, 78, 35), 1000);
    const juce::Colour ledOff = shot.getPixelAt(200, 175);

    engine.updateDisplay(7, 1.0);
    shot = render();
    EXPECT_GT(matchingPixels(shot, kBypassLed, 194, 169, 0, 12, 13, 12), 0);
    EXPECT_GT(matchingPixels(shot, kBypassButton, 164, 203, 0, 35, 78, 35), 1000);
    const juce::Colour ledOn = shot.getPixelAt(200, 175);
    EXPECT_GT(ledOn.getRed(), 200);
    EXPECT_GT(ledOn.getRed(), ledOff.getRed() + 100);
}

TEST_F(RenderedEditor, title_band_turns_the_box_over_and_back)
{
    engine.getEditor().controlChanged(ORLChordwellEditor::kTitleBandTag, 1.0);
    // Away from labels and the web button, the rear panel shows as drawn.
    EXPECT_GT(matchingPixels(render(), kRearPanel, 20, 240, 20, 240, 30, 30), 800);
    engine.getEditor().controlChanged(ORLChordwellEditor::kRearPanelTag, 1.0);
    EXPECT_GT(matchingPixels(render(), kFrontPanel, 20, 240, 20, 240, 30, 30), 800);
}

TEST_F(RenderedEditor, value_labels_print_in_black_once_updated)
{
    const auto darkPixels = [](const juce::Image& shot)
    {
        int dark = 0;
        for (int y = 237; y < 251; ++y)
            for (int x = 64; x < 127; ++x)
                if (shot.getPixelAt(x, y).getBrightness() < 0.3f)
                    ++dark;
        return dark;
    };
    const int placeholder = darkPixels(render());
    engine.updateDisplay(1, 0.0);
    const int shortText = darkPixels(render());
    EXPECT_GT(shortText, 5);
    EXPECT_LT(shortText, placeholder); // "0 %" is shorter than "BETATEXT"
}
