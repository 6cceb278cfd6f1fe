#include "CORLOffscreenContextWrapper.h"

namespace Orlund
{
std::unique_ptr<ORLOffscreenContext> CORLOffscreenContextWrapper::create(int32_t width,
                                                                         int32_t height)
{
    if (width < 1 || height < 1)
        return nullptr;
    return std::make_unique<CORLOffscreenContextWrapper>(width, height);
}

CORLOffscreenContextWrapper::CORLOffscreenContextWrapper(int32_t width, int32_t height)
    : image(juce::Image::ARGB, width, height, true),
      graphics(std::make_unique<juce::Graphics>(image))
{
    graphics->setImageResamplingQuality(juce::Graphics::highResamplingQuality);
    setGraphics(graphics.get());
}

CORLOffscreenContextWrapper::~CORLOffscreenContextWrapper()
{
    setGraphics(nullptr);
}

ORLBitmap* CORLOffscreenContextWrapper::copyBitmap()
{
    return new CORLBitmapWrapper(image.createCopy());
}
} // namespace Orlund
