#include <NumberFormat.h>
#include <ParameterTable.h>
#include <ParameterTextInput.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

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

TEST(ValueTexts, each_unit_shows_its_edges_with_minus_infinity_at_the_bottom_of_the_output)
{
    const std::tuple<int, double, std::string> rows[] = {
        {0, 0.00001, "-oo dB"},  {0, 0.0, "-oo dB"},        {0, 0.0000101, "-187.8 dB"},
        {0, 1.0, "12.0 dB"},     {1, 0.25, "25.0 %"},       {3, static_cast<float>(0.05), "5.0 %"},
        {4, 0.0, "-24 st"},      {4, 0.51, "0 st"},         {4, 0.49, "0 st"},
        {5, 1.0, "100.0 cents"}, {5, 0.4999, "-0.0 cents"}, {7, 0.0, "process "},
        {7, 1e-30, "bypassed "}};
    for (const auto& [slot, value, text] : rows)
        EXPECT_EQ(display(slot, value), text) << slot << " at " << value;

    char text[32];
    getParameterValueText(8, 0.5, text);
    EXPECT_STREQ(text, " ");
}

// What a value shows, read back in the unit of its text: dB of value^2 * 4, semitones, cents,
// percent.
double shownUnits(int slot, double value)
{
    switch (slot)
    {
    case 0:
        return 20.0 * std::log10(value * value * 4.0);
    case 4:
        return (value - 0.5) * 48.0;
    case 5:
        return (value - 0.5) * 200.0;
    default:
        return value * 100.0;
    }
}

TEST(ValueTexts, every_shown_text_reads_back_as_the_value_it_shows_over_the_whole_range)
{
    constexpr int kSteps = 4000;
    for (int slot = 0; slot < 8; ++slot)
        for (int i = 0; i <= kSteps; ++i)
        {
            // Float steps, as hosts hand values over, and the ends of the range.
            const double value = static_cast<float>(static_cast<double>(i) / kSteps);
            const std::string text = display(slot, value);
            double read = -1.0;
            ASSERT_TRUE(parseParameterText(slot, text.c_str(), read)) << slot << " " << text;
            // "-0.0" (a value just below zero, shown to its digit) reads back as zero.
            const std::string shown = text.rfind("-0.0 ", 0) == 0 ? text.substr(1) : text;
            ASSERT_EQ(display(slot, read), shown) << slot << " at " << value << " reads " << read;
            // The text's own unit, within the half digit it rounded away and the float it was
            // printed from; Transpose's semitone is also the step the engine plays (it rounds
            // 48 v where the text cuts toward zero).
            if (slot == 7)
                EXPECT_EQ(read, value == 0.0 ? 0.0 : 1.0);
            else if (slot == 4)
                EXPECT_EQ(std::trunc(read * 48.0 + 0.5) - 24.0, std::trunc(shownUnits(4, value)))
                    << text;
            else if (slot == 0 && value <= 0.00001)
                EXPECT_EQ(read, 0.0) << text;
            else
                ASSERT_NEAR(shownUnits(slot, read), shownUnits(slot, value), 0.05 + 1e-5)
                    << slot << " " << text;
            // Typed without the unit, or with other spaces, it reads the same.
            double bare = -1.0;
            const std::string number = text.substr(0, text.find(' '));
            ASSERT_TRUE(parseParameterText(slot, ("  " + number + "\t").c_str(), bare)) << number;
            EXPECT_EQ(bare, read) << number;
        }
    double read = 0.0;
    EXPECT_FALSE(parseParameterText(2, "dB", read));
    EXPECT_FALSE(parseParameterText(8, "1", read));
    EXPECT_TRUE(parseParameterText(5, "500 cents", read));
    EXPECT_EQ(read, 1.0) << "beyond the range: clamped";
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
    // The window between the threshold and a half: up there, and only there.
    EXPECT_EQ(printed(0.0499995f, 1), "0.1") << "a hair below a half goes up";
    EXPECT_EQ(printed(-0.0499995f, 1), "-0.1");
    EXPECT_EQ(printed(2.499995f, 0), "3");
    EXPECT_EQ(printed(0.049998f, 1), "0.0") << "below the threshold stays";
    EXPECT_EQ(printed(-0.049998f, 1), "-0.0");
    EXPECT_EQ(printed(2.49998f, 0), "2");
    EXPECT_EQ(printed(123456789.0f, 0), "untouched") << "out of range writes nothing";
    EXPECT_EQ(printed(-10000000.0f, 0), "untouched");
    EXPECT_EQ(printed(-9999999.0f, 0), "-999999") << "the highest digit gives way to the sign";
}
} // namespace
