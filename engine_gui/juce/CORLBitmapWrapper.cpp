#include "CORLBitmapWrapper.h"

#include "CORLBitmapPixelAccessWrapper.h"

namespace Orlund
{
std::unique_ptr<ORLBitmapPixelAcces> CORLBitmapWrapper::createPixelAccess()
{
    if (!bitmap.getImage().isValid())
        return nullptr;
    return std::make_unique<CORLBitmapPixelAccessWrapper>(bitmap.getImage());
}

juce::Image imageOf(ORLBitmap* bitmap)
{
    if (auto* wrapper = dynamic_cast<CORLBitmapWrapper*>(bitmap))
        return wrapper->getImage();
    return {};
}

const CORLBitmap* bitmapOf(ORLBitmap* bitmap)
{
    if (auto* wrapper = dynamic_cast<CORLBitmapWrapper*>(bitmap))
        return &wrapper->getBitmap();
    return nullptr;
}

bool CORLBitmapPixelAccessWrapper::inside(int32_t x, int32_t y) const
{
    return image.isValid() && x >= 0 && y >= 0 && x < image.getWidth() && y < image.getHeight();
}

bool CORLBitmapPixelAccessWrapper::getPixel(int32_t x, int32_t y, ORLColor& color)
{
    if (!inside(x, y))
    {
        color = {0, 0, 0, 0};
        return false;
    }
    const juce::Colour c = image.getPixelAt(x, y);
    color = {c.getRed(), c.getGreen(), c.getBlue(), c.getAlpha()};
    return true;
}

bool CORLBitmapPixelAccessWrapper::setPixel(int32_t x, int32_t y, ORLColor color)
{
    if (!inside(x, y))
        return false;
    image.setPixelAt(x, y, juce::Colour(color.red, color.green, color.blue, color.alpha));
    return true;
}
} // namespace Orlund
