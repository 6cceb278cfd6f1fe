#include "FakeWindow.h"
#include "PresetBarBulbButton.h"
#include "PresetBarLabelButton.h"
#include "PresetBarNameControl.h"
#include "PresetBarNudgeControl.h"

#include <gtest/gtest.h>

namespace
{
// Records the fills, strokes and texts of a draw pass.
struct RecordingContext : FakeDrawContext
{
    ORLColor fill, frame, font;
    std::vector<std::string> texts;
    std::vector<ORLColor> textColors;
    std::vector<ORLColor> fills;
    std::vector<ORLColor> frames;

    void setFillColor(ORLColor c) override { fill = c; }
    void setFrameColor(ORLColor c) override { frame = c; }
    void setFontColor(ORLColor c) override { font = c; }
    void drawString(const char* t, const ORLRect&, int32_t) override
    {
        texts.push_back(t);
        textColors.push_back(font);
    }
    void drawEllipse(const ORLRect&, int32_t) override
    {
        fills.push_back(fill);
        frames.push_back(frame);
    }
};

bool sameColor(ORLColor a, ORLColor b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha;
}

template <typename Control> struct Hosted
{
    template <typename... Args> explicit Hosted(Args&&... args) : control(args...)
    {
        control.setEngineView(&view);
    }
    ~Hosted() { control.setEngineView(nullptr); }
    FakeTextView view;
    Control control;
};

constexpr ORLPoint kAnywhere{0, 0};

TEST(PresetBarControls, arrows_report_0_left_1_right_and_the_middle_line_counts_as_right)
{
    Hosted<PresetBarNudgeControl> nudge(ORLRect{239, 2, 270, 16});
    auto& c = nudge.control;
    c.onMouseDown({245, 8}, kORLLeftButton);
    EXPECT_EQ(c.getValue(), 0.0);
    EXPECT_TRUE(c.isLeftPressed());
    c.onMouseDown({254.5, 8}, kORLLeftButton);
    EXPECT_EQ(c.getValue(), 1.0);
    EXPECT_TRUE(c.isRightPressed());
    EXPECT_FALSE(c.isLeftPressed());
    EXPECT_EQ(nudge.view.valueChanges, 2);

    EXPECT_EQ(c.onMouseDown({245, 8}, kORLMiddleButton), kORLMouseHandled);
    EXPECT_EQ(nudge.view.valueChanges, 2) << "the middle button does nothing";

    c.onMouseMoved({265, 8}, 0);
    EXPECT_TRUE(c.isRightHovered());
    EXPECT_FALSE(c.isLeftHovered());
    c.onMouseExited(kAnywhere, 0);
    EXPECT_FALSE(c.isRightHovered() || c.isRightPressed());
}

TEST(PresetBarControls, name_display_asks_for_the_list_or_the_editor_by_gesture)
{
    Hosted<PresetBarNameControl> name(ORLRect{92, 2, 238, 16});
    auto& c = name.control;
    EXPECT_STREQ(c.getName(), "Default");

    const std::pair<int32_t, double> gestures[] = {
        {kORLLeftButton, 0.0},
        {kORLRightButton, 1.0},
        {kORLLeftButton | kORLDoubleClick, 1.0},
        {kORLLeftButton | kORLControl, 1.0},
        {kORLLeftButton | kORLAlt, 1.0},
        {kORLLeftButton | PresetBarControl::kCommandModifier, 1.0},
    };
    int reports = 0;
    for (const auto& [buttons, expected] : gestures)
    {
        c.onMouseDown(kAnywhere, buttons);
        EXPECT_EQ(c.getValue(), expected) << "buttons " << buttons;
        EXPECT_EQ(name.view.valueChanges, ++reports);
    }
    c.onMouseDown(kAnywhere, kORLMiddleButton);
    EXPECT_EQ(name.view.valueChanges, reports);

    c.setName("a name much longer than thirty-one characters");
    EXPECT_EQ(std::string(c.getName()).size(), 31u);
}

TEST(PresetBarControls, label_button_reports_a_left_press_and_shows_press_and_hover)
{
    Hosted<PresetBarLabelButton> button(ORLRect{4, 2, 32, 16}, 36, "MNG");
    auto& c = button.control;
    const double before = c.getValue();
    c.onMouseDown(kAnywhere, kORLMiddleButton);
    EXPECT_EQ(button.view.valueChanges, 0);

    RecordingContext idle, hovered, pressed;
    c.draw(idle);
    c.onMouseEntered(kAnywhere, 0);
    c.draw(hovered);
    c.onMouseDown(kAnywhere, kORLLeftButton);
    EXPECT_EQ(button.view.valueChanges, 1);
    EXPECT_EQ(c.getValue(), before) << "the value is not changed";
    c.draw(pressed);
    EXPECT_EQ(pressed.texts.at(0), "MNG");
    EXPECT_FALSE(sameColor(idle.textColors.at(0), hovered.textColors.at(0)));
    EXPECT_FALSE(sameColor(hovered.textColors.at(0), pressed.textColors.at(0))) << "pressed wins";

    c.onMouseExited(kAnywhere, 0);
    EXPECT_FALSE(c.isPressed() || c.isHovered());
}

TEST(PresetBarControls, bulb_toggles_and_looks_different_lit_dark_hovered_and_pressed)
{
    Hosted<PresetBarBulbButton> bulb(ORLRect{383, 1, 398, 17});
    auto& c = bulb.control;
    EXPECT_TRUE(c.isLit());
    RecordingContext lit;
    c.draw(lit);

    c.onMouseDown(kAnywhere, kORLLeftButton);
    EXPECT_EQ(c.getValue(), 0.0);
    EXPECT_EQ(bulb.view.valueChanges, 1);
    RecordingContext darkPressed;
    c.draw(darkPressed);
    c.onMouseUp(kAnywhere, 0);
    RecordingContext dark;
    c.draw(dark);
    c.onMouseEntered(kAnywhere, 0);
    RecordingContext darkHovered;
    c.draw(darkHovered);

    EXPECT_FALSE(sameColor(lit.fills.at(0), dark.fills.at(0)));
    EXPECT_FALSE(sameColor(dark.frames.at(0), darkHovered.frames.at(0)));
    EXPECT_FALSE(sameColor(darkHovered.frames.at(0), darkPressed.frames.at(0)));

    c.onMouseDown(kAnywhere, kORLLeftButton);
    EXPECT_EQ(c.getValue(), 1.0);
    c.setValue(0.5);
    c.onMouseDown(kAnywhere, kORLLeftButton);
    EXPECT_EQ(c.getValue(), 0.0) << "0.5 counts as on";
    c.onMouseDown(kAnywhere, kORLMiddleButton);
    EXPECT_EQ(c.getValue(), 0.0);
}
} // namespace
