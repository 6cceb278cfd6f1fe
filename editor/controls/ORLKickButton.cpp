#include "ORLKickButton.h"

ORLKickButton::ORLKickButton(const ORLRect& r, int32_t t, ORLBitmap* img)
    : ORLBaseControl(r, t, img, kORLKindKickButton),
      frameHeight(static_cast<int32_t>(r.getHeight()))
{
    value = 0.0;
}

void ORLKickButton::draw(ORLDrawContext& context)
{
    if (!image)
        return;
    const int32_t frame = pressed ? 2 : (pointerOver ? 1 : 0);
    context.drawBitmap(image, rect, {0.0, static_cast<double>(frameHeight * frame)}, 1.0f);
}

int32_t ORLKickButton::onMouseDown(ORLPoint, int32_t buttons)
{
    if (!(buttons & kORLLeftButton))
        return kORLMouseDone;
    if (doubleClickOnly && !(buttons & kORLDoubleClick))
        return kORLMouseDone;
    pressed = 1;
    value = (doubleClickOnly && (buttons & kORLControl)) ? 0.5 : 1.0;
    notifyAndRedraw();
    return kORLMouseHandled;
}

int32_t ORLKickButton::onMouseUp(ORLPoint, int32_t)
{
    value = 0.0;
    pressed = 0;
    redraw();
    return kORLMouseHandled;
}

int32_t ORLKickButton::onMouseEntered(ORLPoint, int32_t)
{
    pointerOver = 1;
    redraw();
    return kORLMouseHandled;
}

int32_t ORLKickButton::onMouseExited(ORLPoint, int32_t)
{
    pointerOver = 0;
    redraw();
    return kORLMouseHandled;
}
