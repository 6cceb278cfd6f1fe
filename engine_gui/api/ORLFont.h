#pragma once

#include "ORLResource.h"

// A counted font description: face name and size, normal style. Main thread only.
class ORLFont : public ORLResource
{
  public:
    virtual const char* getName() = 0;
    virtual double getSize() = 0;
};

// Creates fonts for the editors: a new counted font (count 1) with the face and size.
// Main thread only.
class ORLFontFactory
{
  public:
    virtual ~ORLFontFactory() = default;
    virtual ORLFont* createFont(const char* name, double size) = 0;
};
