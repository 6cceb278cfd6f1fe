#pragma once

#include "ORLBaseControl.h"

// Base of controls that draw themselves from an image of frames and react only as their
// subclass decides. Main (UI) thread only.
class ORLCustomControl : public ORLBaseControl
{
  public:
    using ORLBaseControl::ORLBaseControl;
};
