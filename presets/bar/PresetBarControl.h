#pragma once

#include "ORLCustomControl.h"

#include <cstdint>

// What the self-drawn preset bar controls share: they are hosted by the generic control view,
// keep a hover and pressed look, and recompute their inner geometry whenever the bar moves
// them. Main (UI) thread only.
class PresetBarControl : public ORLCustomControl
{
  public:
    // The generic control view draws and feeds these controls.
    static constexpr int32_t kKind = 13;
    // The Command (apple) modifier bit of the toolkit's button state.
    static constexpr int32_t kCommandModifier = 0x80;

    PresetBarControl(const ORLRect& rect, int32_t tag);

    // Moves the control: new rectangle, derived geometry, view size.
    void setRect(const ORLRect& r);

    // The button look: a release clears the pressed look, entering sets the hover look and
    // leaving clears both; each redraws. Every event counts as handled.
    int32_t onMouseUp(ORLPoint where, int32_t buttons) override;
    int32_t onMouseEntered(ORLPoint where, int32_t buttons) override;
    int32_t onMouseExited(ORLPoint where, int32_t buttons) override;

    bool isPressed() const { return pressed != 0; }
    bool isHovered() const { return hovered != 0; }

  protected:
    // Recomputes what depends on the rectangle; called at construction and on every move.
    virtual void layoutChanged() {}

    uint8_t pressed = 0;
    uint8_t hovered = 0;
};
