#pragma once

#include "ORLBaseControl.h"

// Momentary button: reports exactly one change per press, at the press. Its image holds
// three frames: normal, pointer over it, pressed. Without an image it is an invisible click
// area. Main (UI) thread only.
class ORLKickButton : public ORLBaseControl
{
  public:
    ORLKickButton(const ORLRect& rect, int32_t tag, ORLBitmap* image);

    // Presses that are not double clicks are ignored while set.
    void setDoubleClickOnly(bool only) { doubleClickOnly = only ? 1 : 0; }
    bool isPressed() const { return pressed != 0; }
    bool isPointerOver() const { return pointerOver != 0; }

    void draw(ORLDrawContext& context) override;
    int32_t onMouseDown(ORLPoint where, int32_t buttons) override;
    int32_t onMouseUp(ORLPoint where, int32_t buttons) override;
    int32_t onMouseEntered(ORLPoint where, int32_t buttons) override;
    int32_t onMouseExited(ORLPoint where, int32_t buttons) override;

  private:
    int32_t frameHeight;
    uint8_t pointerOver = 0;
    uint8_t doubleClickOnly = 0;
    uint8_t pressed = 0;
};
