// chordwell-artwork <folder>: draws the editor's seven images into <folder>/<number>.png.
#include "Artwork.h"
#include "ChordwellArtwork.h"

#include <cstdio>

namespace
{
bool save(const juce::Image& image, const juce::File& folder, int resource)
{
    const juce::File file = folder.getChildFile(juce::String(resource) + ".png");
    file.deleteFile();
    juce::FileOutputStream stream(file);
    juce::PNGImageFormat png;
    if (!stream.openedOk() || !png.writeImageToStream(image, stream))
    {
        std::fprintf(stderr, "chordwell-artwork: cannot write %s\n",
                     file.getFullPathName().toRawUTF8());
        return false;
    }
    std::printf("%s %dx%d\n", file.getFileName().toRawUTF8(), image.getWidth(), image.getHeight());
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: chordwell-artwork <folder>\n");
        return 2;
    }
    juce::ScopedJuceInitialiser_GUI toolkit;
    const juce::File folder = juce::File::getCurrentWorkingDirectory().getChildFile(argv[1]);
    folder.createDirectory();
    using namespace chordwell::artwork;
    bool ok = true;
    for (const int32_t id : {kFrontPanel, kRearPanel, kLargeHandle, kSmallHandle, kBypassLed,
                             kBypassButton, kWebSiteButton})
        ok = save(artwork::drawAtScale(id, artwork::bounds(id), 1.0f), folder, id) && ok;
    return ok ? 0 : 1;
}
