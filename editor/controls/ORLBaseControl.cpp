#include "ORLBaseControl.h"

#include "ORLBitmap.h"
#include "ORLEngineView.h"
#include "ParameterTable.h"

#include <algorithm>
#include <cstring>

ORLBaseControl::ORLBaseControl(const ORLRect& r, int32_t t, ORLBitmap* img, int32_t k)
    : image(img), rect(r), tag(t), kind(k), defaultValue(getParameterDefault(t)), initialRect(r)
{
    if (image)
        image->remember();
}

ORLBaseControl::~ORLBaseControl()
{
    if (image)
        image->forget();
}

void ORLBaseControl::setDefaultValue(double v)
{
    defaultValue = v;
}

double ORLBaseControl::getDefaultValue()
{
    return defaultValue;
}

void ORLBaseControl::scale(double factor)
{
    rect.right = rect.left + initialRect.getWidth() * factor;
    rect.bottom = rect.top + initialRect.getHeight() * factor;
    if (engineView)
        engineView->setViewSize(rect);
}

void ORLBaseControl::draw(ORLDrawContext&) {}

int32_t ORLBaseControl::onMouseDown(ORLPoint, int32_t)
{
    return kORLMouseHandled;
}
int32_t ORLBaseControl::onMouseMoved(ORLPoint, int32_t)
{
    return kORLMouseHandled;
}
int32_t ORLBaseControl::onMouseUp(ORLPoint, int32_t)
{
    return kORLMouseHandled;
}
int32_t ORLBaseControl::onMouseEntered(ORLPoint, int32_t)
{
    return kORLMouseHandled;
}
int32_t ORLBaseControl::onMouseExited(ORLPoint, int32_t)
{
    return kORLMouseHandled;
}
bool ORLBaseControl::onWheel(ORLPoint, double, int32_t)
{
    return true;
}

void ORLBaseControl::setValue(double v)
{
    if (engineView)
        engineView->setValue(v);
    value = clampUnit(v);
}

void ORLBaseControl::setHint(const char* text)
{
    if (text)
    {
        if (!hint)
            hint = std::make_unique<char[]>(kHintCapacity);
        std::strncpy(hint.get(), text, kHintCapacity);
        hint[kHintCapacity - 1] = 0;
    }
    else if (hint)
    {
        hint[0] = 0;
    }
    if (hint && engineView)
        engineView->setHint(hint.get());
}

const char* ORLBaseControl::getHint() const
{
    return hint ? hint.get() : "";
}

void ORLBaseControl::notifyAndRedraw()
{
    if (!engineView)
        return;
    engineView->valueChanged();
    engineView->invalid();
}

void ORLBaseControl::redraw()
{
    if (engineView)
        engineView->invalid();
}

double ORLBaseControl::clampUnit(double v)
{
    // NaN reads as 0: a value from outside never leaves the range.
    if (!(v >= 0.0))
        return 0.0;
    return std::min(v, 1.0);
}
