#include "PresetBarControl.h"

#include "ORLEngineView.h"

PresetBarControl::PresetBarControl(const ORLRect& r, int32_t t)
    : ORLCustomControl(r, t, nullptr, kKind)
{
}

void PresetBarControl::setRect(const ORLRect& r)
{
    rect = r;
    layoutChanged();
    if (engineView)
        engineView->setViewSize(rect);
}

int32_t PresetBarControl::onMouseUp(ORLPoint, int32_t)
{
    pressed = 0;
    redraw();
    return kORLMouseHandled;
}

int32_t PresetBarControl::onMouseEntered(ORLPoint, int32_t)
{
    hovered = 1;
    redraw();
    return kORLMouseHandled;
}

int32_t PresetBarControl::onMouseExited(ORLPoint, int32_t)
{
    pressed = 0;
    hovered = 0;
    redraw();
    return kORLMouseHandled;
}
