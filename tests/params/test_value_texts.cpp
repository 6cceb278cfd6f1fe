#include <NumberFormat.h>
#include <ParameterTable.h>

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string display(int slot, double value)
{
    char text[64];
    getParameterDisplayText(slot, value, text);
    return text;
}

std::string printed(float value, int decimals)
{
    char text[32] = "untouched";
    formatNumber(value, decimals, text);
    return text;
}

TEST(ValueTexts, output_level_in_decibels_with_minus_infinity_at_the_bottom)
{
    EXPECT_EQ(display(0, 0.00001), "-oo dB");
    EXPECT_EQ(display(0, 0.0), "-oo dB");
    EXPECT_EQ(display(0, 0.0000101), "-187.8 dB");
    EXPECT_EQ(display(0, 0.001), "-108.0 dB");
    EXPECT_EQ(display(0, 0.25), "-12.0 dB");
    EXPECT_EQ(display(0, 0.5), "0.0 dB");
    EXPECT_EQ(display(0, 0.75), "7.0 dB");
    EXPECT_EQ(display(0, 1.0), "12.0 dB");
}

TEST(ValueTexts, percent_semitone_cent_and_bypass_texts)
{
    EXPECT_EQ(display(1, 0.25), "25.0 %");
    EXPECT_EQ(display(2, static_cast<float>(0.6)), "60.0 %");
    EXPECT_EQ(display(3, static_cast<float>(0.05)), "5.0 %");
    EXPECT_EQ(display(6, 1.0), "100.0 %");
    EXPECT_EQ(display(4, 0.0), "-24 st");
    EXPECT_EQ(display(4, 1.0), "24 st");
    EXPECT_EQ(display(4, 0.51), "0 st");
    EXPECT_EQ(display(4, 0.49), "0 st");
    EXPECT_EQ(display(4, 0.75), "12 st");
    EXPECT_EQ(display(5, 0.0), "-100.0 cents");
    EXPECT_EQ(display(5, 1.0), "100.0 cents");
    EXPECT_EQ(display(5, 0.4999), "-0.0 cents");
    EXPECT_EQ(display(7, 0.0), "process ");
    EXPECT_EQ(display(7, 1e-30), "bypassed ");
    EXPECT_EQ(display(7, 1.0), "bypassed ");

    char text[32];
    getParameterValueText(8, 0.5, text);
    EXPECT_STREQ(text, " ");
}

TEST(ValueTexts, printer_rounds_at_its_threshold_and_cuts_digits)
{
    EXPECT_EQ(printed(0.0f, 1), "0.0");
    EXPECT_EQ(printed(12.0412f, 1), "12.0");
    EXPECT_EQ(printed(25.0f, 1), "25.0");
    EXPECT_EQ(printed(-24.0f, 0), "-24");
    EXPECT_EQ(printed(-0.04f, 1), "-0.0");
    EXPECT_EQ(printed(0.35f * 100.0f, 1), "35.0") << "a float just below stays on its digit";
    EXPECT_EQ(printed(0.06f, 1), "0.1") << "half and above goes up";
    EXPECT_EQ(printed(-0.06f, 1), "-0.1") << "and away from zero below zero";
    EXPECT_EQ(printed(2.5f, 0), "3");
    EXPECT_EQ(printed(123456789.0f, 0), "untouched") << "out of range writes nothing";
    EXPECT_EQ(printed(-10000000.0f, 0), "untouched");
    EXPECT_EQ(printed(-9999999.0f, 0), "-999999") << "the highest digit gives way to the sign";
}
} // namespace
