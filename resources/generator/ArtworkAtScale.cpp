#include "Artwork.h"
#include "ChordwellArtwork.h"

#include <cmath>

namespace artwork
{
namespace
{
using Draw = void (*)(juce::Graphics&);

struct Entry
{
    int32_t resource;
    int width, height;
    Draw draw;
};

using namespace chordwell::artwork;
const Entry entries[] = {
    {kFrontPanel, 401, 282, drawFrontPanel},     {kRearPanel, 401, 282, drawRearPanel},
    {kLargeHandle, 11, 11, drawLargeHandle},     {kSmallHandle, 8, 8, drawSmallHandle},
    {kBypassLed, 13, 25, drawBypassLed},         {kBypassButton, 78, 70, drawBypassButton},
    {kWebSiteButton, 225, 60, drawWebSiteButton}};

const Entry* find(int32_t resource)
{
    for (const auto& e : entries)
        if (e.resource == resource)
            return &e;
    return nullptr;
}
} // namespace

juce::Rectangle<int> bounds(int32_t resource)
{
    const Entry* e = find(resource);
    return e ? juce::Rectangle<int>(e->width, e->height) : juce::Rectangle<int>();
}

juce::Image drawAtScale(int32_t resource, juce::Rectangle<int> area, float scale)
{
    const Entry* e = find(resource);
    if (!e || area.isEmpty())
        return {};
    scale = std::isnan(scale) ? 1.0f : juce::jlimit(1.0f, 3.0f, scale);
    const int width = juce::roundToInt(static_cast<float>(area.getWidth()) * scale);
    const int height = juce::roundToInt(static_cast<float>(area.getHeight()) * scale);
    juce::Image image(juce::Image::ARGB, width, height, true);
    juce::Graphics g(image);
    // At scale 1 this is a whole-pixel shift, which the renderer applies without resampling:
    // the same pixels as the committed 1x image.
    g.addTransform(juce::AffineTransform::translation(static_cast<float>(-area.getX()),
                                                      static_cast<float>(-area.getY()))
                       .scaled(scale));
    e->draw(g);
    return image;
}
} // namespace artwork
