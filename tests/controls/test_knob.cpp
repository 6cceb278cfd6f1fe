#include "FakeEngineView.h"
#include "ORLCWHandleKnob.h"

#include <gtest/gtest.h>

namespace
{
constexpr int32_t kLeft = kORLLeftButton;

struct KnobFixture : ::testing::Test
{
    ORLCWHandleKnob knob{{0, 0, 27, 27}, 1, nullptr};
    FakeEngineView view;
    void SetUp() override { knob.setEngineView(&view); }
    void press(double x, double y, int32_t buttons) { knob.onMouseDown({x, y}, buttons); }
    void move(double x, double y, int32_t buttons) { knob.onMouseMoved({x, y}, buttons); }
};
} // namespace

TEST_F(KnobFixture,
       reset_with_control_alt_or_double_click_notifies_once_and_the_right_button_does_nothing)
{
    for (int32_t modifier : {kORLControl, kORLAlt, kORLDoubleClick})
    {
        knob.setDefaultValue(0.25);
        knob.setValue(0.9);
        view.valueChanges = 0;
        EXPECT_EQ(knob.onMouseDown({5, 5}, kLeft | modifier), kORLMouseDone);
        EXPECT_DOUBLE_EQ(knob.getValue(), 0.25);
        EXPECT_EQ(view.valueChanges, 1);
    }
    EXPECT_EQ(knob.onMouseDown({0, 0}, kORLRightButton), kORLMouseNotHandled);
    EXPECT_EQ(knob.onMouseMoved({0, -100}, kORLRightButton), kORLMouseNotHandled);
    EXPECT_DOUBLE_EQ(knob.getValue(), 0.25);
    EXPECT_EQ(view.valueChanges, 1);
}

TEST_F(KnobFixture, drags_150_pixels_coarse_and_fine_and_follows_shift_without_a_jump)
{
    knob.setValue(0.25);
    press(10, 200, kLeft);
    move(10, 50, kLeft);
    EXPECT_NEAR(knob.getValue(), 0.75, 1e-6);
    knob.onMouseUp({10, 50}, 0);

    knob.setValue(0.25);
    press(10, 200, kLeft | kORLShift);
    move(85, 200, kLeft | kORLShift); // right counts like up
    EXPECT_NEAR(knob.getValue(), 0.30, 1e-6);
    const double beforeRelease = knob.getValue();
    move(85, 200, kLeft); // Shift released: same place, same value
    EXPECT_NEAR(knob.getValue(), beforeRelease, 1e-6);
    move(160, 200, kLeft); // 75 more pixels at the coarse sensitivity
    EXPECT_NEAR(knob.getValue(), 0.55, 1e-6);
}

TEST_F(KnobFixture, clamps_beyond_the_ends_and_moves_again_only_past_the_turning_point)
{
    knob.setValue(0.5);
    press(0, 0, kLeft);
    move(0, -400, kLeft); // 400 pixels up: far past the top
    EXPECT_DOUBLE_EQ(knob.getValue(), 1.0);
    move(0, -200, kLeft); // back to where the top was reached (150 up)
    EXPECT_DOUBLE_EQ(knob.getValue(), 1.0);
    move(0, -120, kLeft);
    EXPECT_NEAR(knob.getValue(), 0.9, 1e-6);
    move(0, 900, kLeft);
    EXPECT_DOUBLE_EQ(knob.getValue(), 0.0);
}

TEST_F(KnobFixture, wheel_moves_by_step_for_notches_and_by_fraction_for_small_distances)
{
    knob.setWheelStep(0.05);
    knob.setValue(0.5);
    knob.onWheel({}, 0.05, 0);
    EXPECT_NEAR(knob.getValue(), 0.5025, 1e-9);
    knob.onWheel({}, 3.0, 0);
    EXPECT_NEAR(knob.getValue(), 0.5525, 1e-9);
    knob.onWheel({}, -3.0, kORLShift);
    EXPECT_NEAR(knob.getValue(), 0.5025, 1e-9);
    knob.setValue(0.99);
    knob.onWheel({}, 1.0, 0);
    EXPECT_DOUBLE_EQ(knob.getValue(), 1.0);
}
