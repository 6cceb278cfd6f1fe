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
    bool ok = save(artwork::frontPanel(), folder, kFrontPanel);
    ok = save(artwork::rearPanel(), folder, kRearPanel) && ok;
    ok = save(artwork::largeHandle(), folder, kLargeHandle) && ok;
    ok = save(artwork::smallHandle(), folder, kSmallHandle) && ok;
    ok = save(artwork::bypassLed(), folder, kBypassLed) && ok;
    ok = save(artwork::bypassButton(), folder, kBypassButton) && ok;
    ok = save(artwork::webSiteButton(), folder, kWebSiteButton) && ok;
    return ok ? 0 : 1;
}
