#include "FakeEngineView.h"
#include "ORLCWHandleKnob.h"
#include "ORLKickButton.h"
#include "ORLTextEdit.h"
#include "ORLTextLabel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(BaseControl, set_value_hands_the_raw_value_to_the_view_and_keeps_it_clamped)
{
    ORLCWHandleKnob knob({0, 0, 27, 27}, 0, nullptr);
    knob.setValue(1.5); // no view yet: only stored
    EXPECT_DOUBLE_EQ(knob.getValue(), 1.0);
    FakeEngineView view;
    knob.setEngineView(&view);
    knob.setValue(-2.0);
    knob.setValue(std::nan(""));
    ASSERT_EQ(view.values.size(), 2u);
    EXPECT_DOUBLE_EQ(view.values[0], -2.0);
    EXPECT_DOUBLE_EQ(knob.getValue(), 0.0);
}

TEST(BaseControl, hint_keeps_511_characters_and_scale_multiplies_the_initial_size)
{
    ORLKickButton button({10, 20, 30, 60}, 12, nullptr);
    FakeEngineView view;
    button.setEngineView(&view);
    const std::string longHint(600, 'h');
    button.setHint(longHint.c_str());
    EXPECT_EQ(std::string(button.getHint()).size(), 511u);
    EXPECT_EQ(view.hint.size(), 511u);
    button.setHint(nullptr);
    EXPECT_STREQ(button.getHint(), "");
    EXPECT_EQ(view.hint, "") << "a null text empties it";

    button.scale(2.0);
    button.scale(1.5); // from the initial size, not the scaled one
    EXPECT_EQ(button.getRect().right, 40);
    EXPECT_EQ(button.getRect().bottom, 80);
    EXPECT_EQ(view.size.right, 40);
}

TEST(TextControls, keep_255_characters_and_the_edit_remembers_its_previous_text)
{
    ORLTextLabel label({}, 0, nullptr, 1);
    FakeEngineView view;
    label.setEngineView(&view);
    const std::string longText(300, 't');
    label.setText(longText.c_str());
    EXPECT_EQ(std::string(label.getText()).size(), 255u);
    EXPECT_EQ(view.text.size(), 300u); // the view gets the text as given

    ORLTextEdit edit({});
    edit.setText("Init");
    edit.setText("Bright Hall");
    EXPECT_STREQ(edit.getPreviousText(), "Init");
    EXPECT_STREQ(edit.getText(), "Bright Hall");
}
