#include "ORLHintTracker.h"

#include <cmath>

namespace Orlund
{
void ORLHintTracker::sample(ORLHintFrame& frame)
{
    pointerInside = frame.isPointerInside() ? 1 : 0;
    current = frame.getPointerPosition();
    buttons = frame.getCurrentButtons();
}

void ORLHintTracker::reset(ORLHintFrame& frame, const void* view)
{
    if (hintShown)
        frame.hideHint();
    hintShown = 0;
    stillCounter = 0;
    lastView = view;
}

void ORLHintTracker::update(ORLHintFrame& frame, bool hintsOn)
{
    if (!hintsOn || !pointerInside)
    {
        reset(frame, nullptr);
    }
    else
    {
        const void* view = frame.findViewAt(current);
        const int32_t held = buttons & kResetButtonMask;
        const bool pressing = held == kORLLeftButton || held == kORLRightButton;
        const bool moved =
            std::fabs(current.x - previous.x) > 1.0 || std::fabs(current.y - previous.y) > 1.0;
        if (pressing || moved || view != lastView)
        {
            reset(frame, view);
        }
        else if (!hintShown)
        {
            ++stillCounter;
            if (stillCounter >= hintDelay)
            {
                const std::string text = frame.getTooltip(view);
                if (!text.empty())
                    frame.showHint(text, {current.x, current.y, current.x + kHintWidth,
                                          current.y + kHintHeight});
                hintShown = 1;
            }
            lastView = view;
        }
        else
        {
            lastView = view;
        }
    }
    previous = current;
}
} // namespace Orlund
