#include "FakeWindow.h"
#include "ORLCWHandleKnob.h"
#include "ORLChordwellEditor.h"
#include "ORLMovieMeter.h"
#include "ORLOnOffButton.h"
#include "ORLTextLabel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace
{
struct OpenEditor : ::testing::Test
{
    FakeWindow engine;
    ORLChordwellEditor editor{&engine};
    void SetUp() override { editor.open(); }
    void TearDown() override { engine.closeWindow(editor); }
    std::string shown(int32_t tag, double value)
    {
        editor.updateParameterDisplay(tag, value);
        return editor.getValueLabel(tag)->getText();
    }
};
} // namespace

TEST_F(OpenEditor, value_texts_carry_whole_numbers_and_units)
{
    EXPECT_EQ(shown(0, 0.0), "-oo dB");
    EXPECT_EQ(shown(0, 0.00001), "-oo dB");
    EXPECT_EQ(shown(0, 0.5), "0.0 dB");
    EXPECT_EQ(shown(1, 0.25), "25 %");
    EXPECT_EQ(shown(2, 1.0), "100 %");
    EXPECT_EQ(shown(3, 0.333), "33 %");
    EXPECT_EQ(shown(4, 0.0), "-24 st");
    EXPECT_EQ(shown(5, 0.5), "0 cents");
    EXPECT_EQ(shown(5, 1.0), "100 cents");
    EXPECT_EQ(shown(6, 0.0), "0 %");
    EXPECT_EQ(shown(5, std::nan("")), "-100 cents"); // not a number reads as 0

    editor.updateParameterDisplay(3, 1.7);
    EXPECT_DOUBLE_EQ(editor.getKnob(3)->getValue(), 1.0);
    EXPECT_GT(engine.container(0)->viewOf(editor.getValueLabel(3)).redraws, 0);
}

TEST_F(OpenEditor, bypass_drives_button_and_led_together_from_the_half)
{
    for (const auto& [value, on] : {std::pair{0.49, 0}, {0.5, 1}})
    {
        editor.updateParameterDisplay(7, value);
        EXPECT_EQ(
            std::pair(editor.getBypassButton()->getValue(), editor.getBypassLed()->getFrameIndex()),
            std::pair(double(on), on))
            << value;
    }
}

TEST_F(OpenEditor, parameter_controls_go_to_the_engine_and_leave_the_labels_alone)
{
    editor.controlChanged(2, 0.75f);
    editor.controlChanged(7, 1.0);
    EXPECT_EQ(engine.edits, (std::vector<std::pair<int32_t, double>>{{2, 0.75}, {7, 1.0}}));
    EXPECT_STREQ(editor.getValueLabel(2)->getText(), "BETATEXT");
}

TEST_F(OpenEditor, title_band_shows_the_rear_whose_web_button_keeps_it_and_the_rear_returns)
{
    editor.updateParameterDisplay(1, 0.25);
    editor.controlChanged(12, 1.0);
    EXPECT_EQ(engine.top(), editor.getRearPanel());
    EXPECT_EQ(engine.shown.size(), 2u);
    editor.updateParameterDisplay(1, 0.5); // still reaches the hidden front
    editor.controlChanged(13, 1.0);
    EXPECT_EQ(engine.top(), editor.getFrontPanel());
    EXPECT_EQ(engine.shown.size(), 1u);
    EXPECT_STREQ(editor.getValueLabel(1)->getText(), "50 %");

    std::string opened;
    editor.setWebOpener([&opened](const char* address) { opened = address; });
    editor.controlChanged(10, 0.0);
    EXPECT_EQ(engine.top(), editor.getRearPanel());
    editor.controlChanged(14, 1.0);
    EXPECT_EQ(opened, ORLChordwellEditor::kWebAddress);
    EXPECT_EQ(engine.top(), editor.getRearPanel());
    editor.controlChanged(11, 0.0);
    EXPECT_EQ(engine.top(), editor.getFrontPanel());
}

TEST_F(OpenEditor, unknown_tags_and_a_closed_window_change_nothing)
{
    engine.calls = 0;
    for (int32_t tag : {-1, 8, 9, 15, 1000})
    {
        editor.controlChanged(tag, 1.0);
        editor.updateParameterDisplay(tag, 1.0);
    }
    EXPECT_EQ(engine.calls, 0);
    for (int32_t tag = 0; tag < 7; ++tag)
        EXPECT_STREQ(editor.getValueLabel(tag)->getText(), "BETATEXT");

    engine.closeWindow(editor);
    editor.updateParameterDisplay(0, 0.5);
    editor.updateParameterDisplay(7, 1.0);
    editor.controlChanged(12, 1.0);
    EXPECT_EQ(engine.calls, 0);
}
