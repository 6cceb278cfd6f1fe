#pragma once

#include "ORLBaseControl.h"

// Knob dragged linearly with the mouse: right or up raises, left or down lowers, 300 pixels
// for the full range (1500 with Shift, which may change mid-drag without a jump). Control,
// Alt or a double click resets it to its default. Drawn from a vertical film strip.
// Main (UI) thread only.
class ORLAnimKnob : public ORLBaseControl
{
  public:
    ORLAnimKnob(const ORLRect& rect, int32_t tag);

    void setWheelStep(double step) { wheelStep = step; }
    double getWheelStep() const { return wheelStep; }
    void setFrameCount(int32_t count) { frameCount = count; }

    void draw(ORLDrawContext& context) override;
    int32_t onMouseDown(ORLPoint where, int32_t buttons) override;
    int32_t onMouseMoved(ORLPoint where, int32_t buttons) override;
    bool onWheel(ORLPoint where, double distance, int32_t buttons) override;

  protected:
    // For subclasses that bring an image of their own.
    ORLAnimKnob(const ORLRect& rect, int32_t tag, ORLBitmap* image);

    int32_t frameCount = 0;
    int32_t frameHeight;
    double maximum = 1.0;
    double minimum = 0.0;
    double dragStartValue = 0.0;
    int32_t rememberedButtons = 0;
    ORLPoint dragStart{0.0, 0.0};
    double currentDragRange = 300.0;
    double valuePerPixel = 0.0;
    double wheelStep;
    double wheelFineFactor = 1.0;
    double dragRange = 300.0;
    double fineDragRange = 1500.0;
};
