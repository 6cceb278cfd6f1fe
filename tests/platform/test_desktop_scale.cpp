// The desktop's scale from the X server's resources.
#include "DesktopScale.h"

#include <gtest/gtest.h>

TEST(DesktopScale, xft_dpi_over_96_is_the_scale_and_anything_else_is_none)
{
    EXPECT_FLOAT_EQ(platform::xftScale("Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n"),
                    2.0f);
    EXPECT_FLOAT_EQ(platform::xftScale("*Xft.dpi: 144"), 1.5f);
    EXPECT_FLOAT_EQ(platform::xftScale("Xft.dpi:\t96\nXft.dpi:\t120\n"), 1.25f) << "the last wins";
    for (const char* none : {"", "Xft.dpi:", "Xft.dpi:\tlarge", "Xft.dpi: 0", "Xft.dpi: 1e9",
                             "Xft.dpix: 192", "Xcursor.size: 48"})
        EXPECT_EQ(platform::xftScale(none), 0.0f) << none;
}
