#pragma once

#include "ORLHintFrame.h"

#include <cstdint>

namespace Orlund
{
// The hint logic of the window's 30 ms idle tick: a hint appears after the pointer has rested
// on one view for 16 ticks (moves of up to one pixel count as resting) while hints are on,
// and goes at the next movement, left or right button, change of view, leaving the window
// or hints off. A view without a tooltip is not asked again until the next reset.
// Main (UI) thread only.
class ORLHintTracker
{
  public:
    static constexpr uint32_t kHintDelay = 16;
    // A hint rectangle's size at the pointer.
    static constexpr double kHintWidth = 25.0;
    static constexpr double kHintHeight = 15.0;
    // The button bits that keep a hint away when held alone.
    static constexpr int32_t kResetButtonMask = 0x30E;

    // Reads pointer-inside flag, pointer position and buttons from the frame.
    void sample(ORLHintFrame& frame);
    // Shows, keeps or hides the hint; hintsOn is the window's hints state. Ends by making the
    // current pointer position the previous one.
    void update(ORLHintFrame& frame, bool hintsOn);

    ORLPoint getPointerPosition() const { return current; }
    int32_t getButtons() const { return buttons; }
    bool isPointerInside() const { return pointerInside != 0; }
    bool isHintShown() const { return hintShown != 0; }
    uint32_t getStillTicks() const { return stillCounter; }

  private:
    void reset(ORLHintFrame& frame, const void* view);

    ORLPoint current{-1.0, -1.0};
    ORLPoint previous{-1.0, -1.0};
    uint8_t pointerInside = 0;
    int32_t buttons = 0;
    uint8_t hintShown = 0;
    uint32_t stillCounter = 0;
    uint32_t hintDelay = kHintDelay;
    const void* lastView = nullptr;
};
} // namespace Orlund
