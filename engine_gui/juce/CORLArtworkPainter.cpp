#include "CORLArtworkPainter.h"

#include "Artwork.h"

#include <cmath>
#include <map>
#include <tuple>

namespace Orlund
{
namespace
{
// Scales closer than this draw the same pixels.
constexpr float kScaleStep = 1.0f / 1024.0f;

int scaleKey(float scale)
{
    return juce::roundToInt(scale / kScaleStep);
}

// The images drawn for scales other than 1, per resource, part and scale. The toolkit owns it
// so the images go before the toolkit does.
class ScaledArtworkCache : public juce::DeletedAtShutdown
{
  public:
    ~ScaledArtworkCache() override { clearSingletonInstance(); }
    JUCE_DECLARE_SINGLETON_SINGLETHREADED_MINIMAL(ScaledArtworkCache)

    juce::Image get(int32_t resource, juce::Rectangle<int> area, float scale)
    {
        const Key key{resource,        area.getX(),      area.getY(),
                      area.getWidth(), area.getHeight(), scaleKey(scale)};
        if (const auto found = images.find(key); found != images.end())
            return found->second;
        juce::Image image = artwork::drawAtScale(resource, area, scale);
        images.emplace(key, image);
        return image;
    }

  private:
    using Key = std::tuple<int32_t, int, int, int, int, int>;
    std::map<Key, juce::Image> images;
};
JUCE_IMPLEMENT_SINGLETON(ScaledArtworkCache)
} // namespace

juce::Image artworkAtScale(const CORLBitmap& bitmap, juce::Rectangle<int> area, float scale)
{
    if (bitmap.getResource() == 0 || std::abs(scale - 1.0f) < kScaleStep)
        return bitmap.getImage().getClippedImage(area);
    return ScaledArtworkCache::getInstance()->get(bitmap.getResource(), area, scale);
}

void paintArtwork(juce::Graphics& g, const juce::Component& component, const CORLBitmap& bitmap,
                  juce::Rectangle<int> area, juce::Point<int> at, float opacity)
{
    const juce::Image& image = bitmap.getImage();
    area = area.getIntersection(image.getBounds());
    if (!image.isValid() || area.isEmpty())
        return;
    g.setOpacity(juce::jlimit(0.0f, 1.0f, opacity));
    const float scale = g.getInternalContext().getPhysicalPixelScaleFactor();
    if (bitmap.getResource() == 0 || std::abs(scale - 1.0f) < kScaleStep)
    {
        g.drawImage(image, at.x, at.y, area.getWidth(), area.getHeight(), area.getX(), area.getY(),
                    area.getWidth(), area.getHeight());
        g.setOpacity(1.0f);
        return;
    }
    const juce::Image drawn = artworkAtScale(bitmap, area, scale);
    // Where this component's origin lands on the device, so the image starts on a whole pixel
    // there (a child at a whole unit sits on a fraction of a pixel at 1.25x).
    const juce::Component* top = component.getTopLevelComponent();
    const float unitsToDevice = scale / juce::Component::getApproximateScaleFactorForComponent(
                                            const_cast<juce::Component*>(&component));
    const juce::Point<float> origin =
        top->getLocalPoint(&component, juce::Point<float>()) * unitsToDevice;
    const float x = std::round(origin.x + static_cast<float>(at.x) * scale) - origin.x;
    const float y = std::round(origin.y + static_cast<float>(at.y) * scale) - origin.y;
    juce::Graphics::ScopedSaveState state(g);
    g.addTransform(juce::AffineTransform::scale(1.0f / scale));
    g.drawImageTransformed(drawn, juce::AffineTransform::translation(x, y));
    g.setOpacity(1.0f);
}
} // namespace Orlund
