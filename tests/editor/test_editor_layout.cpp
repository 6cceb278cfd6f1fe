#include "FakeWindow.h"
#include "ORLCWHandleKnob.h"
#include "ORLChordwellEditor.h"
#include "ORLTextLabel.h"

#include <gtest/gtest.h>

TEST(EditorLayout, opens_on_the_front_with_hinted_knobs_frees_its_images_and_reopens_afresh)
{
    FakeWindow engine;
    ORLChordwellEditor editor(&engine);
    EXPECT_EQ(engine.liveBitmaps, 0);
    editor.open();
    ASSERT_EQ(engine.containers.size(), 2u);
    EXPECT_EQ(engine.top(), editor.getFrontPanel());
    EXPECT_EQ(engine.shown.size(), 1u);
    for (const auto& control : engine.container(0)->controls)
        EXPECT_STRNE(control->getHint(), "") << "front control " << control->getTag();

    // A double click resets each knob to its parameter's own default.
    const double defaults[] = {0.5, 0.25, 0.5, 0.5, 0.5, 0.5, 0.0};
    for (int32_t tag = 0; tag < 7; ++tag)
    {
        ORLCWHandleKnob* knob = editor.getKnob(tag);
        ASSERT_NE(knob, nullptr);
        EXPECT_EQ(knob->getTag(), tag);
        EXPECT_DOUBLE_EQ(knob->getDefaultValue(), defaults[tag]);
        EXPECT_STREQ(editor.getValueLabel(tag)->getText(), "BETATEXT");
    }

    // Each control holds its own image; the editor kept none.
    EXPECT_EQ(engine.liveBitmaps, 5); // button, LED, two handles, web button
    editor.updateParameterDisplay(1, 0.25);
    editor.controlChanged(12, 1.0);
    engine.closeWindow(editor);
    EXPECT_EQ(engine.liveBitmaps, 0);
    EXPECT_EQ(editor.getKnob(0), nullptr);

    // Reopened, it starts on the front with placeholder texts again.
    editor.open();
    EXPECT_EQ(engine.shown.size(), 1u);
    EXPECT_EQ(engine.top(), editor.getFrontPanel());
    for (int32_t tag = 0; tag < 7; ++tag)
        EXPECT_STREQ(editor.getValueLabel(tag)->getText(), "BETATEXT");
}
