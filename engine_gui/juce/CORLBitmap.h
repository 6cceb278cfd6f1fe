#pragma once

#include <juce_graphics/juce_graphics.h>

#include <cstdint>

namespace Orlund
{
// An image of the library's artwork table, decoded from its PNG bytes. A number without an
// image gives a blank 400 x 350 image; bytes that cannot be decoded give no image (0 x 0).
// Main (UI) thread.
class CORLBitmap
{
  public:
    static constexpr int kBlankWidth = 400;
    static constexpr int kBlankHeight = 350;

    explicit CORLBitmap(int32_t resource);
    // Wraps an image made elsewhere (offscreen drawing).
    explicit CORLBitmap(juce::Image image);

    // The artwork number the image came from; 0 for an image made elsewhere.
    int32_t getResource() const { return resource; }
    const juce::Image& getImage() const { return image; }
    juce::Image& getImage() { return image; }
    int32_t getWidth() const { return image.isValid() ? image.getWidth() : 0; }
    int32_t getHeight() const { return image.isValid() ? image.getHeight() : 0; }

  private:
    int32_t resource = 0;
    juce::Image image;
};
} // namespace Orlund
