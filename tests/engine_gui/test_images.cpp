#include "CORLBitmapWrapper.h"
#include "ChordwellArtwork.h"

#include <gtest/gtest.h>

using namespace chordwell::artwork;

TEST(Images, every_image_decodes_with_transparency_and_the_handles_are_round)
{
    for (int32_t resource : {kFrontPanel, kRearPanel, kSmallHandle, kLargeHandle, kBypassButton,
                             kBypassLed, kWebSiteButton})
    {
        Orlund::CORLBitmapWrapper bitmap(resource);
        EXPECT_GT(bitmap.getWidth(), 0) << resource;
        EXPECT_TRUE(bitmap.getImage().hasAlphaChannel()) << resource;
    }
    auto access = Orlund::CORLBitmapWrapper(kLargeHandle).createPixelAccess();
    ORLColor corner;
    ASSERT_TRUE(access->getPixel(0, 0, corner));
    EXPECT_LT(corner.alpha, 128);
    EXPECT_FALSE(access->getPixel(11, 0, corner)) << "nothing read beyond the image";
}
