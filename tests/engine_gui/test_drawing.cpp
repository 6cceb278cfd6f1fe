#include "CORLOffscreenContextWrapper.h"
#include "ORLSystemBox.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// Painted pixels from column fromX rightwards.
int paintedPixels(ORLOffscreenContext& context, int fromX = 0)
{
    ORLBitmap* bitmap = context.copyBitmap();
    auto access = bitmap->createPixelAccess();
    int painted = 0;
    ORLColor c;
    for (int y = 0; y < access->getHeight(); ++y)
        for (int x = fromX; x < access->getWidth(); ++x)
            if (access->getPixel(x, y, c) && c.alpha > 0)
                ++painted;
    bitmap->forget();
    return painted;
}
} // namespace

TEST(Offscreen, needs_a_size_of_at_least_one_pixel)
{
    EXPECT_EQ(Orlund::CORLOffscreenContextWrapper::create(0, 10), nullptr);
    EXPECT_EQ(Orlund::CORLOffscreenContextWrapper::create(10, -1), nullptr);
    auto context = Orlund::CORLOffscreenContextWrapper::create(1, 1);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(context->getWidth(), 1);
}

TEST(Offscreen, polygon_uses_at_most_64_points_and_only_known_styles)
{
    // Points 0-63 outline the left half; the rest would reach into the right half.
    std::vector<ORLPoint> points;
    for (int i = 0; i < 64; ++i)
        points.push_back({i < 32 ? 2.0 + i * 0.5 : 18.0 - (i - 32) * 0.5, i < 32 ? 2.0 : 30.0});
    for (int i = 0; i < 8; ++i)
        points.push_back({60.0, 30.0 - i});
    auto context = Orlund::CORLOffscreenContextWrapper::create(64, 32);
    context->setFillColor({255, 0, 0, 255});
    context->drawPolygon(points.data(), 72, 7);
    EXPECT_EQ(paintedPixels(*context), 0);
    context->drawPolygon(points.data(), 72, 1);
    EXPECT_GT(paintedPixels(*context), 100);
    EXPECT_EQ(paintedPixels(*context, 32), 0) << "none of the points past the 64th";
}

TEST(SystemBox, reads_back_99_characters_all_selected_and_ends_once)
{
    Orlund::ORLSystemBox::Style style;
    style.font = juce::Font(12.0f);
    Orlund::ORLSystemBox box(juce::String::repeatedString("x", 300), style);
    EXPECT_EQ(box.getResultText().length(), 99);
    EXPECT_EQ(box.getHighlightedRegion().getLength(), box.getTotalNumChars());

    bool taken = false;
    int ends = 0;
    box.onEnd = [&](bool t)
    {
        taken = t;
        ++ends;
    };
    box.keyPressed(juce::KeyPress(juce::KeyPress::returnKey));
    box.keyPressed(juce::KeyPress(juce::KeyPress::returnKey));
    EXPECT_TRUE(taken);
    EXPECT_EQ(ends, 1);
}
