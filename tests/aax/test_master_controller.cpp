#include "InProcessPlugin.h"

#include <PresetBank.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace
{
struct ControllerFixture : ::testing::Test
{
    InProcessPlugin plugin;
    std::unique_ptr<EffectInstance> instance = plugin.instance();
    ORL_QcWl_0x011005_AAX_Parameters_Wrapper& parameters = wrapperOf(*instance);
    ORLShellController& controller = parameters.masterController();
    PresetBank& bank = dynamic_cast<PresetBank&>(*controller.getPresetModel());
    DisplaySpy editor;

    void SetUp() override
    {
        instance->deliverUpdates();
        controller.setEditor(&editor);
        instance->clearCalls();
    }
    void TearDown() override { controller.setEditor(nullptr); }

    long count(const std::string& what) const
    {
        return std::ranges::count(instance->calls(), what, &EffectInstance::Call::what);
    }
};

TEST_F(ControllerFixture, preset_transfer_is_echoed_framed_and_kept_from_the_preset_model)
{
    const double values[8] = {0.5, 0.3, 0.9, 0.1, 0.5, 0.5, 0.2, 0.0};
    controller.editorControlChanged(47, 1.0);
    for (int slot = 0; slot < 8; ++slot)
        controller.editorControlChanged(slot, values[slot]);
    controller.editorControlChanged(48, 1.0);
    EXPECT_EQ((std::array{count("touch"), count("set"), count("release")}),
              (std::array{8L, 8L, 8L}));
    ASSERT_EQ(editor.shown.size(), 2u); // the markers themselves
    editor.shown.clear();

    instance->deliverUpdates();
    EXPECT_EQ(count("echo-set"), 8);
    ASSERT_EQ(editor.shown.size(), 2u);
    EXPECT_EQ(std::pair(editor.shown.front().first, editor.shown.back().first), std::pair(47, 48));
    EXPECT_FALSE(bank.isEdited(bank.currentIndex())) << "the echoed values never reach the bank";

    // The transfer is over: the next knob turn edits the preset again, echoed once.
    instance->clearCalls();
    controller.editorControlChanged(2, 0.6);
    instance->deliverUpdates();
    EXPECT_EQ(std::pair(count("set"), count("echo-set")), std::pair(1L, 1L));
    EXPECT_EQ(bank.workingPreset(bank.currentIndex()).values[2], 0.6f);
    EXPECT_TRUE(bank.isEdited(bank.currentIndex()));
}

TEST_F(ControllerFixture, internal_and_bank_state_slots_are_shown_and_not_sent_to_the_host)
{
    controller.editorControlChanged(12, 0.3);
    EXPECT_TRUE(instance->calls().empty());
    EXPECT_EQ(controller.currentValue(12), 0.3);
    ASSERT_EQ(editor.shown.size(), 1u);
    EXPECT_EQ(editor.shown[0], std::make_pair(12, 0.3));
    double pending[17];
    ASSERT_TRUE(parameters.takePending(pending));
    EXPECT_EQ(pending[12], 0.3);
    EXPECT_FALSE(parameters.takePending(pending));

    editor.shown.clear();
    controller.setParameter(17, 0.7); // the bank state: shown, and not stored either
    EXPECT_EQ(editor.shown, (std::vector<std::pair<int, double>>{{17, 0.7}}));
    EXPECT_TRUE(instance->calls().empty());
    EXPECT_FALSE(parameters.takePending(pending));
}

TEST_F(ControllerFixture, out_of_range_value_is_clamped_for_the_host_only)
{
    controller.setParameter(3, 1.7);
    ASSERT_EQ(count("set"), 1);
    EXPECT_EQ(instance->calls()[1].value, 1.0);
    EXPECT_EQ(controller.currentValue(3), 1.7);
    EXPECT_EQ(bank.workingPreset(bank.currentIndex()).values[3], 1.0f);
    instance->clearCalls();
    controller.setParameter(1, std::nan(""));
    EXPECT_EQ(instance->calls()[1].value, 0.0);
}

TEST_F(ControllerFixture, untouched_host_automation_never_reaches_the_preset_bank)
{
    const float before = bank.workingPreset(bank.currentIndex()).values[2];
    instance->automate("2: Decay", 0.95);
    instance->deliverUpdates();
    EXPECT_EQ(bank.workingPreset(bank.currentIndex()).values[2], before);
    EXPECT_FALSE(bank.isEdited(bank.currentIndex()));
    double value = 0.0;
    instance->parametersObject().GetParameterNormalizedValue("2: Decay", &value);
    EXPECT_EQ(value, static_cast<double>(0.95f));
}
} // namespace
