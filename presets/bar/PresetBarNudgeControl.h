#pragma once

#include "PresetBarArrow.h"
#include "PresetBarControl.h"

// The previous and next preset arrows in one control (tag 20): a press in the left half
// reports 0.0, in the right half 1.0. Each half has its own hover and pressed look.
// Main (UI) thread only.
class PresetBarNudgeControl : public PresetBarControl
{
  public:
    static constexpr int32_t kTag = 20;

    explicit PresetBarNudgeControl(const ORLRect& rect);

    const ORLRect& getLeftHalf() const { return leftHalf; }
    const ORLRect& getRightHalf() const { return rightHalf; }
    const PresetBarArrowPolygon& getLeftArrow() const { return leftArrow; }
    const PresetBarArrowPolygon& getRightArrow() const { return rightArrow; }
    bool isLeftPressed() const { return leftPressed != 0; }
    bool isRightPressed() const { return rightPressed != 0; }
    bool isLeftHovered() const { return leftHovered != 0; }
    bool isRightHovered() const { return rightHovered != 0; }

    void draw(ORLDrawContext& context) override;
    int32_t onMouseDown(ORLPoint where, int32_t buttons) override;
    int32_t onMouseMoved(ORLPoint where, int32_t buttons) override;
    int32_t onMouseUp(ORLPoint where, int32_t buttons) override;
    int32_t onMouseEntered(ORLPoint where, int32_t buttons) override;
    int32_t onMouseExited(ORLPoint where, int32_t buttons) override;

  protected:
    void layoutChanged() override;

  private:
    void hoverAt(ORLPoint where);

    ORLRect leftHalf;
    ORLRect rightHalf;
    PresetBarArrowPolygon leftArrow{};
    PresetBarArrowPolygon rightArrow{};
    uint8_t leftPressed = 0;
    uint8_t rightPressed = 0;
    uint8_t leftHovered = 0;
    uint8_t rightHovered = 0;
};
