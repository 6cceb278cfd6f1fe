#pragma once

#include "CORLGraphicsContext.h"

namespace Orlund
{
// Drawing into a toolkit image of its own (ARGB, cleared to transparent). Main (UI) thread.
class CORLOffscreenContextWrapper : public CORLGraphicsContext<ORLOffscreenContext>
{
  public:
    // Null unless width and height are both at least 1.
    static std::unique_ptr<ORLOffscreenContext> create(int32_t width, int32_t height);

    CORLOffscreenContextWrapper(int32_t width, int32_t height);
    ~CORLOffscreenContextWrapper() override;

    int32_t getWidth() override { return image.getWidth(); }
    int32_t getHeight() override { return image.getHeight(); }
    ORLBitmap* copyBitmap() override;

  private:
    juce::Image image;
    std::unique_ptr<juce::Graphics> graphics;
};
} // namespace Orlund
