#include "ORLAnimKnob.h"

#include "ORLBitmap.h"

ORLAnimKnob::ORLAnimKnob(const ORLRect& r, int32_t t) : ORLAnimKnob(r, t, nullptr) {}

ORLAnimKnob::ORLAnimKnob(const ORLRect& r, int32_t t, ORLBitmap* img)
    : ORLBaseControl(r, t, img, kORLKindKnob), frameHeight(static_cast<int32_t>(r.getHeight())),
      wheelStep(t == 7 ? 1.0 : 1.0 / 1000.0)
{
}

void ORLAnimKnob::draw(ORLDrawContext& context)
{
    ORLPoint source{0.0, 0.0};
    if (value >= 0.0 && frameHeight > 0)
    {
        const auto frame = static_cast<int32_t>((frameCount - 1) * value + 0.5);
        source.y = static_cast<double>(frame) * frameHeight;
    }
    if (image)
        context.drawBitmap(image, rect, source, 1.0f);
}

int32_t ORLAnimKnob::onMouseDown(ORLPoint where, int32_t buttons)
{
    if (!(buttons & kORLLeftButton))
        return kORLMouseNotHandled;
    if (buttons & (kORLControl | kORLAlt | kORLDoubleClick))
    {
        value = getDefaultValue();
        notifyAndRedraw();
        return kORLMouseDone;
    }
    currentDragRange = (buttons & kORLShift) ? fineDragRange : dragRange;
    dragStartValue = value;
    rememberedButtons = buttons;
    valuePerPixel = (maximum - minimum) / currentDragRange;
    dragStart = where;
    return onMouseMoved(where, buttons);
}

int32_t ORLAnimKnob::onMouseMoved(ORLPoint where, int32_t buttons)
{
    if (!(buttons & kORLLeftButton))
        return kORLMouseNotHandled;
    const float delta = static_cast<float>((where.x - dragStart.x) + (dragStart.y - where.y));
    if (buttons != rememberedButtons)
    {
        // Continue from where the knob is, at the new sensitivity.
        currentDragRange = (buttons & kORLShift) ? fineDragRange : dragRange;
        const double newPerPixel = static_cast<float>((maximum - minimum) / currentDragRange);
        dragStartValue += (valuePerPixel - newPerPixel) * delta;
        valuePerPixel = newPerPixel;
        rememberedButtons = buttons;
    }
    value = clampUnit(delta * valuePerPixel + dragStartValue);
    notifyAndRedraw();
    return kORLMouseHandled;
}

bool ORLAnimKnob::onWheel(ORLPoint, double distance, int32_t buttons)
{
    double d = distance;
    if (d > 0.1)
        d = 1.0;
    else if (d < -0.1)
        d = -1.0;
    double step = d * wheelStep;
    if (buttons & kORLShift)
        step *= wheelFineFactor;
    value = clampUnit(value + step);
    notifyAndRedraw();
    return true;
}
