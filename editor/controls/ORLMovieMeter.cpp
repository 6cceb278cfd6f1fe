#include "ORLMovieMeter.h"

#include "ORLEngineView.h"

ORLMovieMeter::ORLMovieMeter(const ORLRect& r, int32_t t, ORLBitmap* img, int32_t frames)
    : ORLCustomControl(r, t, img, kORLKindMovieMeter), frameCount(frames)
{
}

void ORLMovieMeter::setDefaultValue(double v)
{
    meterDefault = v;
}

double ORLMovieMeter::getDefaultValue()
{
    return meterDefault;
}

void ORLMovieMeter::draw(ORLDrawContext& context)
{
    if (image)
        context.drawBitmap(image, rect, {0.0, rect.getHeight() * frameIndex}, 1.0f);
}

int32_t ORLMovieMeter::onMouseDown(ORLPoint, int32_t buttons)
{
    if ((buttons & kORLLeftButton) && engineView)
        engineView->valueChanged();
    return kORLMouseHandled;
}

int32_t ORLMovieMeter::onMouseMoved(ORLPoint, int32_t)
{
    return kORLMouseNotHandled;
}
int32_t ORLMovieMeter::onMouseUp(ORLPoint, int32_t)
{
    return kORLMouseNotHandled;
}
int32_t ORLMovieMeter::onMouseEntered(ORLPoint, int32_t)
{
    return kORLMouseNotHandled;
}
int32_t ORLMovieMeter::onMouseExited(ORLPoint, int32_t)
{
    return kORLMouseNotHandled;
}
bool ORLMovieMeter::onWheel(ORLPoint, double, int32_t)
{
    return true;
}

void ORLMovieMeter::setMeterValue(double v)
{
    value = clampUnit(v);
    const auto frame = static_cast<int32_t>((frameCount - 1) * value);
    frameIndex = frame < 0 ? 0 : frame;
}
