#pragma once

#include "CORLBitmap.h"
#include "ORLBitmap.h"

namespace Orlund
{
// The counted image handed to editors and controls. Main (UI) thread.
class CORLBitmapWrapper : public ORLCounted<ORLBitmap>
{
  public:
    explicit CORLBitmapWrapper(int32_t resource) : bitmap(resource) {}
    explicit CORLBitmapWrapper(juce::Image image) : bitmap(std::move(image)) {}

    int32_t getWidth() override { return bitmap.getWidth(); }
    int32_t getHeight() override { return bitmap.getHeight(); }
    std::unique_ptr<ORLBitmapPixelAcces> createPixelAccess() override;

    const juce::Image& getImage() const { return bitmap.getImage(); }
    const CORLBitmap& getBitmap() const { return bitmap; }

  private:
    CORLBitmap bitmap;
};

// The toolkit image behind any of our images (an invalid image for another implementation).
juce::Image imageOf(ORLBitmap* bitmap);
// The image with its artwork number, or null for another implementation.
const CORLBitmap* bitmapOf(ORLBitmap* bitmap);
} // namespace Orlund
