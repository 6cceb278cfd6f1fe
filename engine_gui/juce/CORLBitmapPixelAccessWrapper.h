#pragma once

#include "ORLBitmap.h"

#include <juce_graphics/juce_graphics.h>

namespace Orlund
{
// Reads and writes single pixels of a toolkit image (shared with the image it came from).
// Main (UI) thread.
class CORLBitmapPixelAccessWrapper : public ORLBitmapPixelAcces
{
  public:
    explicit CORLBitmapPixelAccessWrapper(juce::Image shared) : image(std::move(shared)) {}

    int32_t getWidth() override { return image.getWidth(); }
    int32_t getHeight() override { return image.getHeight(); }
    bool getPixel(int32_t x, int32_t y, ORLColor& color) override;
    bool setPixel(int32_t x, int32_t y, ORLColor color) override;

  private:
    bool inside(int32_t x, int32_t y) const;

    juce::Image image;
};
} // namespace Orlund
