#include <PresetBank.h>

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace
{
TEST(PresetBank, shared_slots_reach_every_preset_own_slots_the_current_one_kept_on_selecting)
{
    PresetBank bank(nullptr);
    bank.selectPreset(2);
    bank.setParameterValue(0, 0.8);
    for (int i = 0; i < 10; ++i)
    {
        EXPECT_FLOAT_EQ(bank.workingPreset(i).values[0], 0.8f);
        EXPECT_FLOAT_EQ(bank.storedPreset(i).values[0], 0.8f);
    }
    EXPECT_FLOAT_EQ(bank.templateRecord().values[0], 0.8f);
    EXPECT_FALSE(bank.isEdited(2)) << "a shared slot never edits a preset";

    bank.setParameterValue(2, 0.9);
    EXPECT_FLOAT_EQ(bank.workingPreset(3).values[2], 0.6f);
    EXPECT_TRUE(bank.isEdited(2));

    bank.setParameterValue(3, 1.7);
    EXPECT_FLOAT_EQ(bank.workingPreset(2).values[3], 1.0f) << "clamped";
    bank.setParameterValue(9, 0.3);
    bank.setParameterValue(-1, 0.3);
    bank.setParameterValue(4, std::numeric_limits<double>::quiet_NaN());
    EXPECT_FLOAT_EQ(bank.workingPreset(2).values[4], 0.75f);

    bank.setParameterValue(2, 0.5);
    bank.setParameterValue(3, 0.1);
    EXPECT_FALSE(bank.isEdited(2)) << "back at the stored values";

    bank.setParameterValue(2, 0.9);
    bank.selectPreset(5);
    EXPECT_TRUE(bank.isEdited(2)) << "selecting keeps each preset's edits";
    EXPECT_FLOAT_EQ(bank.workingPreset(2).values[2], 0.9f);
    bank.selectPreset(10);
    bank.selectPreset(-1);
    EXPECT_EQ(bank.currentIndex(), 5);
}

TEST(PresetBank, compare_swaps_between_edited_and_committed_values)
{
    PresetBank bank(nullptr);
    const auto values = [&bank] { return std::to_array(bank.workingPreset(0).values); };
    const auto factory = values();
    bank.toggleCompare();
    EXPECT_EQ(values(), factory) << "nothing to compare";
    EXPECT_FALSE(bank.isEdited(0));

    bank.setParameterValue(2, 0.9);
    bank.toggleCompare();
    EXPECT_EQ(values(), factory);
    EXPECT_FALSE(bank.isEdited(0));
    bank.toggleCompare();
    EXPECT_FLOAT_EQ(bank.workingPreset(0).values[2], 0.9f);
    EXPECT_TRUE(bank.isEdited(0));

    bank.commitPreset(0);
    bank.toggleCompare();
    EXPECT_FLOAT_EQ(bank.workingPreset(0).values[2], 0.9f) << "committed: nothing to compare";
}

TEST(PresetBank, renaming_cuts_to_23_characters_and_commits_and_reset_keeps_the_index)
{
    PresetBank bank(nullptr);
    bank.selectPreset(4);
    bank.setParameterValue(2, 0.9);
    bank.renameCurrentPreset("abcdefghijklmnopqrstuvwxyz1234");
    EXPECT_STREQ(bank.presetName(4), "abcdefghijklmnopqrstuvw");
    EXPECT_FALSE(bank.isEdited(4));
    EXPECT_FLOAT_EQ(bank.storedPreset(4).values[2], 0.9f);

    bank.setParameterValue(3, 0.9);
    bank.resetToFactory();
    EXPECT_EQ(bank.currentIndex(), 4);
    EXPECT_STREQ(bank.presetName(4), "Almost reverb");
    bank.toggleCompare();
    EXPECT_FALSE(bank.isEdited(4)) << "nothing to compare after a reset";
    EXPECT_FLOAT_EQ(bank.workingPreset(4).values[3], 0.2f);
}
} // namespace
