#include "FakeEngineView.h"
#include "ORLKickButton.h"
#include "ORLMovieMeter.h"
#include "ORLOnOffButton.h"

#include <gtest/gtest.h>

TEST(OnOffButton, left_press_toggles_at_the_half_the_wheel_sets_and_right_press_is_ignored)
{
    ORLOnOffButton button({0, 0, 78, 35}, 7, nullptr);
    FakeEngineView view;
    button.setEngineView(&view);

    button.setValue(0.49);
    EXPECT_EQ(button.onMouseDown({}, kORLLeftButton), kORLMouseDone);
    EXPECT_DOUBLE_EQ(button.getValue(), 1.0);
    button.setValue(0.5);
    button.onMouseDown({}, kORLLeftButton);
    EXPECT_DOUBLE_EQ(button.getValue(), 0.0);
    EXPECT_EQ(view.valueChanges, 2);

    EXPECT_EQ(button.onMouseDown({}, kORLRightButton), kORLMouseNotHandled);
    EXPECT_DOUBLE_EQ(button.getValue(), 0.0);
    EXPECT_EQ(view.valueChanges, 2);

    // The wheel towards the user engages (also when engaged), too little counts for nothing,
    // away releases.
    for (const auto& [distance, on] : {std::pair{-1.0, 1.0}, {-1.0, 1.0}, {0.05, 1.0}, {1.0, 0.0}})
    {
        button.onWheel({}, distance, 0);
        EXPECT_DOUBLE_EQ(button.getValue(), on) << distance;
    }
}

TEST(KickButton, notifies_once_per_press_shows_its_three_frames_and_may_want_a_double_click)
{
    FakeBitmap* image = new FakeBitmap(225, 60);
    ORLKickButton button({89, 44, 314, 64}, 14, image);
    image->forget();
    FakeEngineView view;
    button.setEngineView(&view);
    FakeDrawContext context;

    EXPECT_EQ(button.onMouseDown({}, kORLRightButton), kORLMouseDone);
    EXPECT_EQ(view.valueChanges, 0);

    button.onMouseEntered({}, 0);
    button.draw(context);
    EXPECT_EQ(button.onMouseDown({}, kORLLeftButton), kORLMouseHandled);
    EXPECT_DOUBLE_EQ(button.getValue(), 1.0);
    button.draw(context);
    button.onMouseMoved({}, kORLLeftButton);
    button.onMouseUp({}, 0);
    EXPECT_DOUBLE_EQ(button.getValue(), 0.0);
    button.onMouseExited({}, 0);
    button.draw(context);

    EXPECT_EQ(view.valueChanges, 1);
    ASSERT_EQ(context.blits.size(), 3u);
    EXPECT_EQ(context.blits[0].source.y, 20);
    EXPECT_EQ(context.blits[1].source.y, 40);
    EXPECT_EQ(context.blits[2].source.y, 0);

    // Control reports a half.
    button.setDoubleClickOnly(true);
    button.onMouseDown({}, kORLLeftButton);
    EXPECT_EQ(view.valueChanges, 1) << "a single press is ignored";
    button.onMouseDown({}, kORLLeftButton | kORLDoubleClick | kORLControl);
    EXPECT_EQ(view.valueChanges, 2);
    EXPECT_DOUBLE_EQ(button.getValue(), 0.5);
}

TEST(MovieMeter, picks_its_frame_by_truncation_and_answers_presses_with_its_value)
{
    FakeBitmap* image = new FakeBitmap(13, 25);
    ORLMovieMeter led({194, 169, 207, 181}, 7, image, 2);
    image->forget();
    FakeEngineView view;
    led.setEngineView(&view);

    led.setMeterValue(0.99);
    EXPECT_EQ(led.getFrameIndex(), 0);
    led.setMeterValue(1.0);
    EXPECT_EQ(led.getFrameIndex(), 1);
    led.setMeterValue(7.0);
    EXPECT_DOUBLE_EQ(led.getValue(), 1.0);

    EXPECT_EQ(led.onMouseDown({}, kORLLeftButton), kORLMouseHandled);
    EXPECT_EQ(led.onMouseDown({}, kORLRightButton), kORLMouseHandled);
    EXPECT_EQ(view.valueChanges, 1);
    EXPECT_EQ(led.onMouseMoved({}, kORLLeftButton), kORLMouseNotHandled);
    EXPECT_DOUBLE_EQ(led.getValue(), 1.0);
}
