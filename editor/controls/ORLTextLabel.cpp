#include "ORLTextLabel.h"

ORLTextLabel::ORLTextLabel(const ORLRect& r, int32_t t, const char*, int32_t align)
    : ORLTextControl(r, t, kORLKindTextLabel, align)
{
}
