#include <ParameterTable.h>
#include <cli/AutomationArg.h>
#include <cli/ParameterArgs.h>

#include <gtest/gtest.h>

#include <cmath>

#include <string>

namespace
{
TEST(ParameterArgs, values_in_the_panels_units_and_its_captions_are_read)
{
    const struct
    {
        const char* text;
        int slot;
        double value, within;
    } cases[] = {
        {"mix=60%", 1, 0.6, 1e-12},
        {"Decay Time=80 %", 2, 0.8, 1e-12},
        {"DAMPING=0.25", 3, 0.25, 1e-12},
        // Transpose lands inside the semitone the engine plays (it rounds 48 x value).
        {"transpose=-12st", 4, 0.25, 0.49 / 48.0},
        {"tune=+10c", 5, 0.55, 1e-12},
        {"tune=-50cents", 5, 0.25, 1e-12},
        {"output=-inf", 0, 0.0, 0.0},
        {"output=0dB", 0, 0.5, 1e-12},
        {"bypass=On", 7, 1.0, 0.0},
        {"7=off", 7, 0.0, 0.0},
        {"output=-6dB", 0, 0.5 * std::pow(10.0, -6.0 / 40.0), 1e-12},
        // The panel's top of Output shows as 12.0 dB but is +12.04 dB.
        {"output=+12.04dB", 0, 1.0, 1e-4},
    };
    for (const auto& c : cases)
    {
        std::string error;
        const auto assignment = parseSlotAssignment(c.text, error);
        ASSERT_TRUE(assignment) << c.text << ": " << error;
        EXPECT_EQ(assignment->first, c.slot) << c.text;
        EXPECT_NEAR(assignment->second, c.value, c.within) << c.text;
    }
}

TEST(ParameterArgs, every_value_the_panel_shows_reads_back_to_the_same_text)
{
    // Transpose is heard in whole semitones (the engine rounds value * 48): each reads back
    // as its own step. Its display truncates, so a text is not always the same once read.
    for (int semitones = -24; semitones <= 24; ++semitones)
    {
        const auto value = parseSlotValue(4, std::to_string(semitones) + "st");
        ASSERT_TRUE(value) << semitones;
        EXPECT_EQ(std::lround(*value * 48.0) - 24, semitones);
    }
    for (int slot : {0, 1, 2, 3, 5, 6})
        for (int step = 0; step <= 40; ++step)
        {
            char shown[64];
            getParameterDisplayText(slot, step / 40.0, shown);
            const auto value = parseSlotValue(slot, shown);
            ASSERT_TRUE(value) << slot << " '" << shown << "'";
            char again[64];
            getParameterDisplayText(slot, *value, again);
            EXPECT_STREQ(again, shown) << slot;
        }
}

TEST(ParameterArgs, numbers_outside_the_range_or_in_another_unit_are_refused_with_every_range)
{
    for (const std::string text :
         {"mix=50", "mix=60st", "mix=101%", "transpose=-30st", "tune=150c", "output=+13dB",
          "output=-6", "bypass=maybe", "decay=60%%", "decay=", "decays=1"})
    {
        std::string error;
        EXPECT_FALSE(parseSlotAssignment(text, error)) << text;
        for (int slot = 0; slot < 8; ++slot)
            EXPECT_NE(error.find(getParameterName(slot)), std::string::npos) << text << error;
        EXPECT_NE(error.find("-24 .. 24 st"), std::string::npos) << error;
    }
    std::string error;
    EXPECT_FALSE(parseSlotAssignment("mix=50", error));
    EXPECT_NE(error.find("write 50%"), std::string::npos) << error;
    EXPECT_FALSE(parseAutomationArg("mix@1=50", error));
    EXPECT_NE(error.find("Bypass: off | on"), std::string::npos) << error;
    const auto point = parseAutomationArg("decay time@2.5=80%", error);
    ASSERT_TRUE(point) << error;
    EXPECT_EQ(point->slot, 2);
    EXPECT_DOUBLE_EQ(point->value, 0.8);
}

TEST(ParameterArgs, a_preset_name_that_several_presets_share_asks_for_the_number)
{
    std::string error;
    EXPECT_FALSE(parsePresetArg("init", &error));
    EXPECT_NE(error.find("6, 7, 8 and 9"), std::string::npos) << error;
    EXPECT_EQ(parsePresetArg("LOW & DARK"), 3);
    EXPECT_EQ(parsePresetArg("9"), 9);
    EXPECT_FALSE(parsePresetArg("10", &error));
}
} // namespace
