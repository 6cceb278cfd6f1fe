#pragma once

#include "ORLGraphicsTypes.h"
#include "ORLResource.h"

#include <cstdint>
#include <memory>

// Pixel-by-pixel read and write of an image; colours are straight (not premultiplied).
// Main thread only; valid while the image lives.
class ORLBitmapPixelAcces
{
  public:
    virtual ~ORLBitmapPixelAcces() = default;
    virtual int32_t getWidth() = 0;
    virtual int32_t getHeight() = 0;
    // False (and a transparent black colour) outside the image.
    virtual bool getPixel(int32_t x, int32_t y, ORLColor& color) = 0;
    virtual bool setPixel(int32_t x, int32_t y, ORLColor color) = 0;
};

// A counted image. An image that could not be decoded is 0 x 0. Main thread only.
class ORLBitmap : public ORLResource
{
  public:
    virtual int32_t getWidth() = 0;
    virtual int32_t getHeight() = 0;
    // Null for an empty image.
    virtual std::unique_ptr<ORLBitmapPixelAcces> createPixelAccess() = 0;
};
