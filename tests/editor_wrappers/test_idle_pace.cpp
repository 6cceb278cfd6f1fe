// The window's idle tick runs fast only while a hint may be due, and pointer activity brings
// it back at once; the SDK's deferred updates follow the busy windows.
#include "FakeHintFrame.h"
#include "IdleUpdate_ORL_Handler.h"
#include "ORLIdlePace.h"

#include <gtest/gtest.h>

#include <vector>

using Orlund::IdleUpdate_ORL_Handler;
using Orlund::ORLHintTracker;
using Orlund::ORLIdlePace;

namespace
{
constexpr int kFast = ORLIdlePace::kFastMilliseconds;
constexpr int kSlow = ORLIdlePace::kSlowMilliseconds;

struct Window
{
    FakeFrame frame; // the pointer rests on the knob
    ORLHintTracker hints;
    std::vector<int> restarts;
    ORLIdlePace pace{[this](int period) { restarts.push_back(period); }};

    void tick(bool hintsOn = true)
    {
        hints.sample(frame);
        hints.update(frame, hintsOn);
        pace.settle(hints, hintsOn);
    }
};
} // namespace

#ifndef _WIN32
TEST(IdlePace, the_tick_stays_fast_until_the_hint_shows_then_slows_until_the_pointer_stirs)
{
    Window w;
    w.pace.hurry();
    for (uint32_t i = 0; i < ORLHintTracker::kHintDelay; ++i)
        w.tick();
    EXPECT_FALSE(w.hints.isHintShown()) << "the first tick sees the pointer arrive";
    EXPECT_EQ(w.restarts, std::vector<int>{kFast}) << "a steady pace never restarts the timer";
    w.tick();
    ASSERT_TRUE(w.hints.isHintShown());
    EXPECT_EQ(w.restarts, (std::vector<int>{kFast, kSlow}));

    // A pointer that keeps moving must not keep pushing the next tick away.
    for (int move = 0; move < 5; ++move)
        w.pace.hurry();
    EXPECT_EQ(w.restarts, (std::vector<int>{kFast, kSlow, kFast}));
    w.pace.stopped();
    w.pace.hurry();
    EXPECT_EQ(w.restarts.back(), kFast) << "a reopened window starts its timer again";
}

TEST(IdlePace, deferred_updates_run_fast_while_any_window_is_busy)
{
    IdleUpdate_ORL_Handler& handler = IdleUpdate_ORL_Handler::start();
    ASSERT_TRUE(handler.isTicking());
    EXPECT_EQ(handler.period(), IdleUpdate_ORL_Handler::kQuietMilliseconds);
    {
        Window first;
        Window second;
        first.pace.hurry();
        second.pace.hurry();
        EXPECT_EQ(handler.period(), IdleUpdate_ORL_Handler::kMilliseconds);
        first.frame.inside = false;
        first.tick();
        EXPECT_EQ(handler.period(), IdleUpdate_ORL_Handler::kMilliseconds);
        second.pace.stopped();
        EXPECT_EQ(handler.period(), IdleUpdate_ORL_Handler::kQuietMilliseconds);
        second.pace.hurry();
        EXPECT_EQ(handler.period(), IdleUpdate_ORL_Handler::kMilliseconds);
    }
    EXPECT_EQ(handler.period(), IdleUpdate_ORL_Handler::kQuietMilliseconds)
        << "a window that goes away while busy does not keep the pace up";
}
#endif
