#pragma once

#include "ORLHintTracker.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace Orlund
{
// How often the window's idle tick runs. Fast while the pointer is in the window and a hint
// may still be due; slow once nothing is (the pointer is away, or rests where its hint has
// shown, or hints are off), when a tick only notices a hints change made in another window.
// Any pointer activity in the window (it listens to the frame and everything in it) brings
// the fast pace back at once, so a hint shows after the same delay as ever. On Windows the
// tick also hands over repaints a display without vertical blanks would hold, so it stays
// fast there. A fast window also keeps the SDK's deferred updates at their fast pace.
// Main (UI) thread only.
class ORLIdlePace : public juce::MouseListener
{
  public:
    static constexpr int kFastMilliseconds = 30;
    static constexpr int kSlowMilliseconds = 500;

    // restart(period) is called whenever the period changes: it (re)starts the tick's timer.
    explicit ORLIdlePace(std::function<void(int)> restart);
    ~ORLIdlePace() override;
    ORLIdlePace(const ORLIdlePace&) = delete;
    ORLIdlePace& operator=(const ORLIdlePace&) = delete;

    // The period for the tracker's state after a tick.
    static int periodFor(const ORLHintTracker& hints, bool hintsOn);
    // After each tick: slows or speeds the tick to what the hints need.
    void settle(const ORLHintTracker& hints, bool hintsOn);
    // The fast pace, from now.
    void hurry();
    // The timer was stopped: the next settle() or hurry() starts it again.
    void stopped();
    int period() const { return current; }

    void mouseEnter(const juce::MouseEvent&) override { hurry(); }
    void mouseExit(const juce::MouseEvent&) override { hurry(); }
    void mouseMove(const juce::MouseEvent&) override { hurry(); }
    void mouseDown(const juce::MouseEvent&) override { hurry(); }
    void mouseDrag(const juce::MouseEvent&) override { hurry(); }
    void mouseUp(const juce::MouseEvent&) override { hurry(); }

  private:
    void use(int period);

    std::function<void(int)> restart;
    int current = 0;
};
} // namespace Orlund
