#pragma once

#include "ORLGraphicsTypes.h"

#include <cstdint>

class ORLBaseControl;

// A panel that holds controls. It owns the toolkit views it makes for its controls, and
// each view owns its control. Main thread only.
class ORLViewContainer
{
  public:
    virtual ~ORLViewContainer() = default;
    virtual void setViewSize(const ORLRect& r) = 0;
    virtual void setBackground(int32_t resource) = 0;
    virtual void setBackgroundColor(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) = 0;
    virtual void setAlphaValue(float alpha) = 0;
    virtual void invalid() = 0;
    // Makes the control's view by its kind (or reuses the view it has) and adds it on top.
    virtual bool addControl(ORLBaseControl* control) = 0;
    // Removes the control's view without destroying it.
    virtual bool removeControl(ORLBaseControl* control) = 0;
    // Tag of the topmost control under the point, or -1.
    virtual int32_t tagAt(ORLPoint p) = 0;
};
