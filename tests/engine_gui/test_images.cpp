#include "CORLBitmapWrapper.h"
#include "ChordwellArtwork.h"
#include "ORLOffscreenEditorEngine.h"

#include <gtest/gtest.h>

using namespace chordwell::artwork;

TEST(Images, every_image_decodes_at_its_exact_size_with_transparency)
{
    const struct
    {
        int32_t resource, width, height;
    } expected[] = {{kFrontPanel, 401, 282},  {kRearPanel, 401, 282},  {kSmallHandle, 8, 8},
                    {kLargeHandle, 11, 11},   {kBypassButton, 78, 70}, {kBypassLed, 13, 25},
                    {kWebSiteButton, 225, 60}};
    for (const auto& e : expected)
    {
        Orlund::CORLBitmapWrapper bitmap(e.resource);
        EXPECT_EQ(bitmap.getWidth(), e.width) << e.resource;
        EXPECT_EQ(bitmap.getHeight(), e.height) << e.resource;
        EXPECT_TRUE(bitmap.getImage().hasAlphaChannel()) << e.resource;
    }
    // The handles are round: their corners are clear.
    auto access = Orlund::CORLBitmapWrapper(kLargeHandle).createPixelAccess();
    ORLColor corner;
    ASSERT_TRUE(access->getPixel(0, 0, corner));
    EXPECT_LT(corner.alpha, 128);
    EXPECT_FALSE(access->getPixel(11, 0, corner));
}

TEST(Images, unknown_number_gives_a_blank_image_and_flags_give_none)
{
    Orlund::ORLOffscreenEditorEngine engine;
    ORLBitmap* blank = engine.loadBitmap(4242, 0);
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(blank->getWidth(), 400);
    EXPECT_EQ(blank->getHeight(), 350);
    blank->forget();
    EXPECT_EQ(engine.loadBitmap(kFrontPanel, 1), nullptr);
}
