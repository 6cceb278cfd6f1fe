#include "ORLOnOffButton.h"

#include "ORLBitmap.h"

ORLOnOffButton::ORLOnOffButton(const ORLRect& r, int32_t t, ORLBitmap* img)
    : ORLBaseControl(r, t, img, kORLKindOnOffButton)
{
}

void ORLOnOffButton::draw(ORLDrawContext& context)
{
    if (!image)
        return;
    const double y = value >= 0.5 ? image->getHeight() / 2 : 0;
    context.drawBitmap(image, rect, {0.0, y}, 1.0f);
}

int32_t ORLOnOffButton::onMouseDown(ORLPoint, int32_t buttons)
{
    if (!(buttons & kORLLeftButton))
        return kORLMouseNotHandled;
    value = static_cast<int32_t>(value + 0.5) != 0 ? 0.0 : 1.0;
    notifyAndRedraw();
    return kORLMouseDone;
}

bool ORLOnOffButton::onWheel(ORLPoint, double distance, int32_t)
{
    const double d = -distance;
    if (value >= 0.5 && d < -0.1)
        value = 0.0;
    else if (value < 0.5 && d > 0.1)
        value = 1.0;
    notifyAndRedraw();
    return true;
}
