#pragma once

#include "ORLCustomControl.h"

// Film-strip indicator (the bypass LED): frames stacked vertically, each as high as the
// rectangle. Its value comes only from its owner through setMeterValue; a left press reports
// the current value. Main (UI) thread only.
class ORLMovieMeter : public ORLCustomControl
{
  public:
    ORLMovieMeter(const ORLRect& rect, int32_t tag, ORLBitmap* image, int32_t frameCount);

    void setDefaultValue(double value) override;
    double getDefaultValue() override;
    void draw(ORLDrawContext& context) override;
    int32_t onMouseDown(ORLPoint where, int32_t buttons) override;
    int32_t onMouseMoved(ORLPoint where, int32_t buttons) override;
    int32_t onMouseUp(ORLPoint where, int32_t buttons) override;
    int32_t onMouseEntered(ORLPoint where, int32_t buttons) override;
    int32_t onMouseExited(ORLPoint where, int32_t buttons) override;
    bool onWheel(ORLPoint where, double distance, int32_t buttons) override;
    // Clamps v to 0 to 1, stores it and picks frame (frame count - 1) * v, truncated.
    virtual void setMeterValue(double v);

    int32_t getFrameIndex() const { return frameIndex; }

  private:
    double meterDefault = 0.5;
    int32_t frameCount;
    int32_t frameIndex = 0;
};
