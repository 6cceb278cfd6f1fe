#pragma once

#include "ORLGraphicsTypes.h"

#include <cstdint>
#include <string>

namespace Orlund
{
// What the idle tick reads of the window and asks of it to show hints. The window's frame
// implements it; tests give a fake one. Main (UI) thread only.
class ORLHintFrame
{
  public:
    virtual ~ORLHintFrame() = default;
    virtual bool isPointerInside() = 0;
    // In window pixels.
    virtual ORLPoint getPointerPosition() = 0;
    // Button state bits as the controls see them.
    virtual int32_t getCurrentButtons() = 0;
    // The innermost view under the point, searching nested containers; null for none.
    virtual const void* findViewAt(ORLPoint p) = 0;
    // The view's tooltip text, empty when it has none.
    virtual std::string getTooltip(const void* view) = 0;
    virtual void showHint(const std::string& text, const ORLRect& area) = 0;
    virtual void hideHint() = 0;
};
} // namespace Orlund
