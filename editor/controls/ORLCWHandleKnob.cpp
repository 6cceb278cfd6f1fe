#include "ORLCWHandleKnob.h"

#include "ORLBitmap.h"

#include <cmath>

ORLCWHandleKnob::ORLCWHandleKnob(const ORLRect& r, int32_t t, ORLBitmap* handle)
    : ORLAnimKnob(r, t, handle), handleWidth(handle ? handle->getWidth() : 0),
      handleHeight(handle ? handle->getHeight() : 0), halfWidth(r.getWidth() * 0.5),
      handleInset(static_cast<int32_t>(handleWidth * 0.5 + 2.5))
{
}

void ORLCWHandleKnob::draw(ORLDrawContext& context)
{
    // (5/6 - value) * 3*pi/2 radians.
    const auto angle = static_cast<float>((value - 0.8333333333333334) / -0.2122065907891938);
    const double radius = halfWidth - handleInset;
    double x = std::cos(angle) * radius + halfWidth + 0.5;
    double y = halfWidth - std::sin(angle) * radius + 0.5;
    if (!image)
        return;
    x = std::floor(x + rect.left - handleWidth / 2);
    y = std::floor(y + rect.top - handleHeight / 2);
    context.drawBitmap(image, {x, y, x + handleWidth, y + handleHeight}, {0.0, 0.0}, 1.0f);
}
