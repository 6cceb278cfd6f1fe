#include "FakeHintFrame.h"
#include "ORLHintTracker.h"

#include <gtest/gtest.h>

#include <map>

using Orlund::ORLHintTracker;

namespace
{
void ticks(ORLHintTracker& tracker, FakeFrame& frame, int count, bool hintsOn = true)
{
    for (int i = 0; i < count; ++i)
    {
        tracker.sample(frame);
        tracker.update(frame, hintsOn);
    }
}

TEST(HintTracker, hint_appears_after_16_still_ticks_and_small_jitter_counts_as_still)
{
    FakeFrame frame;
    ORLHintTracker tracker;
    ticks(tracker, frame, 1); // the first tick sees a move from nowhere
    ticks(tracker, frame, 15);
    EXPECT_EQ(frame.shows, 0);
    frame.pointer.x += 1.0; // within the tolerance
    ticks(tracker, frame, 1);
    EXPECT_EQ(frame.shows, 1);
    EXPECT_EQ(frame.shownText, "Sets the reverberation decay time");
    EXPECT_EQ(frame.shownArea.left, 51);
    EXPECT_EQ(frame.shownArea.bottom, 65);

    ticks(tracker, frame, 40);
    EXPECT_EQ(frame.shows, 1) << "shown once";
    frame.pointer.y += 1.5;
    ticks(tracker, frame, 1);
    EXPECT_EQ(frame.hides, 1);
    EXPECT_FALSE(tracker.isHintShown());
}

TEST(HintTracker, left_or_right_button_keeps_the_hint_hidden_the_middle_button_does_not)
{
    for (const auto& [held, shown] :
         {std::pair{0x2, false}, std::pair{0x8, false}, std::pair{0x4, true},
          std::pair{0x2 | 0x20, false}, std::pair{0x2 | 0x8, true}})
    {
        FakeFrame frame;
        frame.buttons = held;
        ORLHintTracker tracker;
        ticks(tracker, frame, 30);
        EXPECT_EQ(frame.shows == 1, shown) << "buttons " << held;
    }
}

TEST(HintTracker, hints_off_or_leaving_the_window_hides_and_restarts_the_count)
{
    FakeFrame frame;
    ORLHintTracker tracker;
    ticks(tracker, frame, 17);
    ASSERT_EQ(frame.shows, 1);
    ticks(tracker, frame, 1, false);
    EXPECT_EQ(frame.hides, 1);
    ticks(tracker, frame, 100, false);
    EXPECT_EQ(frame.shows, 1) << "no hint however long the pointer rests";
    ticks(tracker, frame, 1);
    EXPECT_EQ(tracker.getStillTicks(), 0u) << "the first tick with hints on is a new view";
    ticks(tracker, frame, 16);
    EXPECT_EQ(frame.shows, 2);

    frame.inside = false;
    ticks(tracker, frame, 1);
    EXPECT_EQ(frame.hides, 2);
    EXPECT_FALSE(tracker.isHintShown());
}

TEST(HintTracker, a_view_without_a_tooltip_is_asked_once_until_the_next_reset)
{
    FakeFrame frame;
    frame.pointer = {150, 50};
    ORLHintTracker tracker;
    ticks(tracker, frame, 60);
    EXPECT_EQ(frame.shows, 0);
    EXPECT_EQ(frame.tooltipQueries, 1);

    frame.pointer = {60, 50}; // onto the knob: a new view
    ticks(tracker, frame, 17);
    EXPECT_EQ(frame.shows, 1);
}
} // namespace
