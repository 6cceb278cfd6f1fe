#pragma once

#include "ORLTextControl.h"

// Passive text; its view draws it with the label's font, colours and alignment.
// Main (UI) thread only.
class ORLTextLabel : public ORLTextControl
{
  public:
    // The third argument is not used.
    ORLTextLabel(const ORLRect& rect, int32_t tag, const char* unused, int32_t alignment);
};
