#pragma once

#include "PresetBarControl.h"

// The hints switch (tag 45): a light bulb, lit for 1 (hints on) and dark for 0, with lighter
// strokes while hovered and brightest while pressed. A left press toggles the value and
// reports it. Main (UI) thread only.
class PresetBarBulbButton : public PresetBarControl
{
  public:
    static constexpr int32_t kTag = 45;

    explicit PresetBarBulbButton(const ORLRect& rect);

    bool isLit() const { return value >= 0.5; }

    void draw(ORLDrawContext& context) override;
    int32_t onMouseDown(ORLPoint where, int32_t buttons) override;
};
