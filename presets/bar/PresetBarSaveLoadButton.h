#pragma once

#include "PresetBarArrow.h"
#include "PresetBarControl.h"

// A store or recall button of a memo slot: a right-pointing arrow, red while hovered for
// store and green for recall. A left press reports the tag. Main (UI) thread only.
class PresetBarSaveLoadButton : public PresetBarControl
{
  public:
    PresetBarSaveLoadButton(const ORLRect& rect, int32_t tag, bool storeStyle);

    bool isStoreStyle() const { return storeStyle; }
    const PresetBarArrowPolygon& getArrow() const { return arrow; }

    void draw(ORLDrawContext& context) override;
    int32_t onMouseDown(ORLPoint where, int32_t buttons) override;

  protected:
    void layoutChanged() override;

  private:
    bool storeStyle;
    PresetBarArrowPolygon arrow{};
};
