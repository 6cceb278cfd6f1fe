#pragma once

#include <cstdint>

// The host side of the master controller: what a plug-in shell does with a change of a public
// parameter that the product sends to the host (a knob turn, a preset recall, a restored
// state). Each shell maps it onto its format: AAX touch, set and release; VST 3 beginEdit,
// performEdit and endEdit. Main thread.
class ORLHostParameters
{
  public:
    // Main thread. slot 0-7; value already within 0..1. A gesture: touch, set, release.
    virtual void touchParameter(int32_t slot) = 0;
    virtual void setParameterValue(int32_t slot, double value) = 0;
    virtual void releaseParameter(int32_t slot) = 0;
    // Main thread. The user pressed (released) a control of slot 0-7 in the editor: the values
    // in between belong to one gesture for hosts that record gestures. Nothing by default.
    virtual void beginGesture(int32_t) {}
    virtual void endGesture(int32_t) {}
    // Main thread. Internal slot 8-16 took a value; a shell whose render side takes these
    // values only through a hand-over of its own keeps them. Nothing by default.
    virtual void internalValueSet(int32_t, double) {}

  protected:
    ~ORLHostParameters() = default;
};
