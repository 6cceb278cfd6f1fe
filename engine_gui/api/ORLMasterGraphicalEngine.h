#pragma once

#include "ORLGraphicsTypes.h"

#include <cstdint>

class ORLBitmap;
class ORLViewContainer;

// The graphics engine as the editors see it: the window, its panels, images and the
// parameter traffic. Implemented by the editor wrappers. Main (UI) thread only.
class ORLMasterGraphicalEngine
{
  public:
    virtual ~ORLMasterGraphicalEngine() = default;
    virtual void setFrameBackground(int32_t resource) = 0;
    // Adds the container's view to the window, on top.
    virtual void addView(ORLViewContainer* container) = 0;
    // Removes it from the window without destroying it.
    virtual void removeView(ORLViewContainer* container) = 0;
    // A new container, not yet attached; null while no window exists.
    virtual ORLViewContainer* createViewContainer(const ORLRect& r) = 0;
    // A new counted image (count 1); null when flags are not 0.
    virtual ORLBitmap* loadBitmap(int32_t resource, int32_t flags) = 0;
    virtual void getMousePosition(ORLPoint& p) = 0;
    virtual void getMouseButtons(int32_t& state) = 0;
    virtual void setKnobMode(int32_t mode) = 0;
    virtual void parameterEdited(int32_t tag, double value) = 0;
    virtual void resizeEditor(int32_t width, int32_t height) = 0;
    virtual void hostMouseDown(int32_t tag, int32_t buttons) = 0;
    virtual void idle() = 0;
    virtual void updateDisplay(int32_t tag, double value) = 0;
    virtual void setPresetBarValue(intptr_t value) = 0;
};
