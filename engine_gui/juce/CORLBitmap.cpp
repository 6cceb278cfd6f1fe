#include "CORLBitmap.h"

#include "ChordwellArtworkData.h"

namespace Orlund
{
CORLBitmap::CORLBitmap(int32_t number)
{
    const ORLArtworkImage* entry = findArtworkImage(number);
    if (!entry)
    {
        image = juce::Image(juce::Image::ARGB, kBlankWidth, kBlankHeight, true);
        return;
    }
    juce::PNGImageFormat png;
    juce::MemoryInputStream stream(entry->data, entry->size, false);
    if (png.canUnderstand(stream))
    {
        stream.setPosition(0);
        image = png.decodeImage(stream);
        resource = number;
    }
}

CORLBitmap::CORLBitmap(juce::Image made) : image(std::move(made)) {}
} // namespace Orlund
