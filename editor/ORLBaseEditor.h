#pragma once

#include <cstdint>

// An editor as the graphics engine drives it: built when the window opens, torn down when it
// closes, told of host-side parameter changes and of its controls' changes.
// Main (UI) thread only.
class ORLBaseEditor
{
  public:
    virtual ~ORLBaseEditor() = default;
    // Builds the panels; called each time the window opens.
    virtual void open() = 0;
    // Forgets every control and panel; called before the toolkit destroys the views.
    virtual void close() = 0;
    // A parameter changed on the host side (tag 0-7, normalized value).
    virtual void updateParameterDisplay(int32_t tag, double value) = 0;
    // A control of this editor changed; value is the control's single-precision value.
    virtual void controlChanged(int32_t tag, double value) = 0;
    // The engine's periodic tick.
    virtual void idle() = 0;
};
