#include "FakeGraphicsEngine.h"
#include "ORLCWHandleKnob.h"
#include "ORLChordwellEditor.h"
#include "ORLMovieMeter.h"
#include "ORLTextLabel.h"

#include <gtest/gtest.h>

namespace
{
struct Expected
{
    int32_t kind;
    int32_t tag;
    ORLRect rect;
    const char* hint;
};

const Expected front[] = {
    {kORLKindOnOffButton, 7, {164, 203, 242, 238}, "Turns the reverberator into bypass mode"},
    {kORLKindMovieMeter, 7, {194, 169, 207, 181}, "The bypass mode LED"},
    {kORLKindKnob,
     0,
     {292, 206, 319, 233},
     "Sets output level in the range of \xE2\x80\x93oo to +12 dB"},
    {kORLKindTextLabel, 0, {275, 237, 338, 251}, "The output level"},
    {kORLKindKnob, 1, {81, 206, 108, 233}, "Sets the ratio between a dry and effected signal"},
    {kORLKindTextLabel, 1, {64, 237, 127, 251}, "The ratio between a dry and effected signal"},
    {kORLKindKnob, 4, {187, 108, 214, 135}, "Sets the transposition for a string system"},
    {kORLKindTextLabel, 4, {170, 141, 233, 155}, "The transposition for a string system"},
    {kORLKindKnob, 5, {136, 154, 163, 181}, "Tunes a string system by -100 to +100 cents"},
    {kORLKindTextLabel, 5, {119, 187, 182, 201}, "The tune of a string system"},
    {kORLKindKnob, 6, {237, 154, 264, 181}, "Detunes a string system"},
    {kORLKindTextLabel, 6, {221, 187, 284, 201}, "The Detun of a string system"},
    {kORLKindKnob, 2, {63, 89, 119, 145}, "Sets the reverberation decay time"},
    {kORLKindTextLabel, 2, {60, 151, 123, 165}, "The reverberation decay time"},
    {kORLKindKnob, 3, {281, 89, 337, 145}, "Sets the damping factor for high frequencies"},
    {kORLKindTextLabel, 3, {278, 151, 341, 165}, "The damping factor for high frequencies"},
    {kORLKindKickButton, 12, {39, 13, 361, 60}, "Click on the label to open the Rear Panel"},
};

const Expected rear[] = {
    {kORLKindKickButton, 13, {0, 0, 401, 282}, "Click to open the Front Panel"},
    {kORLKindTextLabel, 13, {238, 115, 363, 131}, ""},
    {kORLKindKickButton, 14, {89, 44, 314, 64}, nullptr},
    {kORLKindTextLabel, 13, {90, 170, 315, 186}, ""},
};

void expectControls(FakeContainer& panel, const Expected* expected, size_t count)
{
    ASSERT_EQ(panel.controls.size(), count);
    for (size_t i = 0; i < count; ++i)
    {
        const ORLBaseControl& c = *panel.controls[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(c.getKind(), e.kind);
        EXPECT_EQ(c.getTag(), e.tag);
        EXPECT_EQ(c.getRect().left, e.rect.left);
        EXPECT_EQ(c.getRect().top, e.rect.top);
        EXPECT_EQ(c.getRect().right, e.rect.right);
        EXPECT_EQ(c.getRect().bottom, e.rect.bottom);
        if (e.hint)
        {
            EXPECT_STREQ(c.getHint(), e.hint);
        }
    }
}
} // namespace

TEST(EditorLayout, builds_both_panels_with_every_control_in_order)
{
    FakeGraphicsEngine engine;
    ORLChordwellEditor editor(&engine);
    EXPECT_EQ(editor.getRect().right, 401);
    EXPECT_EQ(editor.getRect().bottom, 282);
    EXPECT_EQ(engine.liveBitmaps, 0);

    editor.open();
    EXPECT_EQ(engine.frameBackground, 12100);
    ASSERT_EQ(engine.containers.size(), 2u);
    FakeContainer& frontPanel = *engine.container(0);
    FakeContainer& rearPanel = *engine.container(1);
    EXPECT_EQ(frontPanel.background, 12100);
    EXPECT_EQ(rearPanel.background, 12200);
    EXPECT_EQ(engine.top(), &frontPanel);
    EXPECT_EQ(engine.shown.size(), 1u);
    expectControls(frontPanel, front, std::size(front));
    expectControls(rearPanel, rear, std::size(rear));

    const double defaults[] = {0.5, 0.25, 0.5, 0.5, 0.5, 0.5, 0.0};
    for (int32_t tag = 0; tag < 7; ++tag)
    {
        ORLCWHandleKnob* knob = editor.getKnob(tag);
        EXPECT_DOUBLE_EQ(knob->getDefaultValue(), defaults[tag]);
        EXPECT_DOUBLE_EQ(knob->getWheelStep(), 0.05);
        ORLTextLabel* label = editor.getValueLabel(tag);
        EXPECT_STREQ(label->getText(), "BETATEXT");
        EXPECT_EQ(label->getFont()->getSize(), 10);
        EXPECT_EQ(label->getFontColor().red, 0);
        EXPECT_EQ(label->getAlignment(), 1);
    }
    auto* version = static_cast<ORLTextLabel*>(rearPanel.controls[1].get());
    auto* credit = static_cast<ORLTextLabel*>(rearPanel.controls[3].get());
    EXPECT_STREQ(version->getText(), "ver. 1.8.5");
    EXPECT_EQ(version->getAlignment(), 0);
    EXPECT_EQ(version->getFontColor().green, 79);
    EXPECT_STREQ(credit->getText(), "AAX Native by Avid Technology");
    EXPECT_NE(std::string(rearPanel.controls[2]->getHint()).find("www.orlund-audio.com"),
              std::string::npos);
    EXPECT_DOUBLE_EQ(editor.getBypassLed()->getValue(), 0.0);

    // Each control holds its own image; the editor kept none.
    EXPECT_EQ(engine.liveBitmaps, 5); // button, LED, two handles, web button
    engine.closeWindow(editor);
    EXPECT_EQ(engine.liveBitmaps, 0);
    EXPECT_EQ(editor.getKnob(0), nullptr);
}

TEST(EditorLayout, reopening_starts_on_the_front_with_placeholder_texts)
{
    FakeGraphicsEngine engine;
    ORLChordwellEditor editor(&engine);
    editor.open();
    editor.updateParameterDisplay(1, 0.25);
    editor.controlChanged(12, 1.0);
    engine.closeWindow(editor);

    editor.open();
    EXPECT_EQ(engine.shown.size(), 1u);
    EXPECT_EQ(engine.top(), editor.getFrontPanel());
    for (int32_t tag = 0; tag < 7; ++tag)
        EXPECT_STREQ(editor.getValueLabel(tag)->getText(), "BETATEXT");
}
