#include "PresetBarNudgeControl.h"

#include "PresetBarColors.h"

namespace
{
// The halves share their middle line: a point on it lies in both.
bool insideClosed(const ORLRect& r, ORLPoint p)
{
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

void innerBox(const ORLRect& half, double& l, double& t, double& r, double& b)
{
    const double dx = 0.2 * half.getWidth();
    const double dy = 0.18 * half.getHeight();
    l = half.left + dx;
    r = half.right - dx;
    t = half.top + dy;
    b = half.bottom - dy;
}
} // namespace

PresetBarNudgeControl::PresetBarNudgeControl(const ORLRect& r) : PresetBarControl(r, kTag)
{
    layoutChanged();
}

void PresetBarNudgeControl::layoutChanged()
{
    const double middle = rect.left + rect.getWidth() / 2;
    leftHalf = {rect.left, rect.top, middle, rect.bottom};
    rightHalf = {middle, rect.top, rect.right, rect.bottom};
    double l, t, r, b;
    innerBox(leftHalf, l, t, r, b);
    leftArrow = makeLeftArrow(l, t, r, b);
    innerBox(rightHalf, l, t, r, b);
    rightArrow = makeRightArrow(l, t, r, b);
}

void PresetBarNudgeControl::draw(ORLDrawContext& context)
{
    drawPresetBarArrow(context, leftArrow, leftPressed != 0, leftHovered != 0,
                       presetbar::kNudgeHoverFill);
    drawPresetBarArrow(context, rightArrow, rightPressed != 0, rightHovered != 0,
                       presetbar::kNudgeHoverFill);
}

int32_t PresetBarNudgeControl::onMouseDown(ORLPoint where, int32_t buttons)
{
    if (!(buttons & (kORLLeftButton | kORLDoubleClick)))
        return kORLMouseHandled;
    leftPressed = 0;
    rightPressed = 0;
    if (insideClosed(leftHalf, where))
    {
        leftPressed = 1;
        value = 0.0;
    }
    if (insideClosed(rightHalf, where))
    {
        leftPressed = 0;
        rightPressed = 1;
        value = 1.0;
    }
    notifyAndRedraw();
    return kORLMouseHandled;
}

void PresetBarNudgeControl::hoverAt(ORLPoint where)
{
    leftHovered = insideClosed(leftHalf, where) && !insideClosed(rightHalf, where) ? 1 : 0;
    rightHovered = insideClosed(rightHalf, where) ? 1 : 0;
    redraw();
}

int32_t PresetBarNudgeControl::onMouseMoved(ORLPoint where, int32_t)
{
    hoverAt(where);
    return kORLMouseHandled;
}

int32_t PresetBarNudgeControl::onMouseEntered(ORLPoint where, int32_t)
{
    hoverAt(where);
    return kORLMouseHandled;
}

int32_t PresetBarNudgeControl::onMouseUp(ORLPoint, int32_t)
{
    leftPressed = 0;
    rightPressed = 0;
    redraw();
    return kORLMouseHandled;
}

int32_t PresetBarNudgeControl::onMouseExited(ORLPoint, int32_t)
{
    leftPressed = 0;
    rightPressed = 0;
    leftHovered = 0;
    rightHovered = 0;
    redraw();
    return kORLMouseHandled;
}
