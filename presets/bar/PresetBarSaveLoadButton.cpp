#include "PresetBarSaveLoadButton.h"

#include "PresetBarColors.h"

PresetBarSaveLoadButton::PresetBarSaveLoadButton(const ORLRect& r, int32_t t, bool store)
    : PresetBarControl(r, t), storeStyle(store)
{
    layoutChanged();
}

void PresetBarSaveLoadButton::layoutChanged()
{
    const double w = rect.getWidth();
    const double h = rect.getHeight();
    arrow = makeRightArrow(rect.left + 0.16 * w, rect.top + 0.18 * h, rect.right - 0.16 * w,
                           rect.bottom - 0.18 * h);
}

void PresetBarSaveLoadButton::draw(ORLDrawContext& context)
{
    drawPresetBarArrow(context, arrow, pressed != 0, hovered != 0,
                       storeStyle ? presetbar::kStoreHoverFill : presetbar::kRecallHoverFill);
}

int32_t PresetBarSaveLoadButton::onMouseDown(ORLPoint, int32_t buttons)
{
    if (buttons & kORLLeftButton)
    {
        pressed = 1;
        notifyAndRedraw();
    }
    return kORLMouseHandled;
}
