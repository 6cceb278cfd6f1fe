#pragma once

#include "ORLAnimKnob.h"

// Knob drawn as a small handle image that moves on a circle inside the knob's square, 270
// degrees clockwise from lower left (0) over the top (0.5) to lower right (1). The knob's
// face belongs to the panel background. Main (UI) thread only.
class ORLCWHandleKnob : public ORLAnimKnob
{
  public:
    // Remembers the handle image (may be null: the knob then draws nothing but still works).
    ORLCWHandleKnob(const ORLRect& rect, int32_t tag, ORLBitmap* handle);

    void draw(ORLDrawContext& context) override;

  private:
    int32_t handleWidth;
    int32_t handleHeight;
    double halfWidth;
    int32_t handleInset;
};
