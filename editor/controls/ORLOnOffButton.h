#pragma once

#include "ORLBaseControl.h"

// Two-state button (Bypass). Its image holds two frames stacked vertically: off, then on.
// Main (UI) thread only.
class ORLOnOffButton : public ORLBaseControl
{
  public:
    ORLOnOffButton(const ORLRect& rect, int32_t tag, ORLBitmap* image);

    void draw(ORLDrawContext& context) override;
    // Left button toggles; any press without it is not handled.
    int32_t onMouseDown(ORLPoint where, int32_t buttons) override;
    // Turning the wheel towards the user engages, away from the user releases.
    bool onWheel(ORLPoint where, double distance, int32_t buttons) override;
};
