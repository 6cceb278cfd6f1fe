// vst3_scan_render <input.wav> <reference.wav>: finds ORL Chordwell as a DAW's plug-in scan
// does, in the system's standard VST 3 folders only (JUCE's default search path, searched
// recursively), prints the file it found, renders the input through it in stereo blocks of 512
// frames, silence after it up to the reference's length, and compares that with the reference
// bit for bit. It proves an installation: nothing of the build tree is named.
// Exit status: 0 the same bits; 1 not found, found more than once, not loaded or other bits;
// 2 bad arguments or unreadable files.
#include "JuceVst3Host.h"

#include <audio/AudioFile.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: vst3_scan_render <input.wav> <reference.wav>\n");
        return 2;
    }
    AudioBuffer input, reference;
    std::string error;
    if (!readAudioFile(argv[1], input, error) || !readAudioFile(argv[2], reference, error))
    {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    if (input.channels.size() != 2 || reference.channels.size() != 2 ||
        reference.frames() < input.frames())
    {
        std::fprintf(stderr, "the input and the reference must be stereo, the reference no "
                             "shorter than the input\n");
        return 2;
    }

    // JUCE's hosting needs its message manager on the main thread, as in a DAW.
    juce::ScopedJuceInitialiser_GUI toolkit;
    juce::VST3PluginFormat format;
    const juce::FileSearchPath folders = format.getDefaultLocationsToSearch();
    std::printf("searched: %s\n", folders.toString().toRawUTF8());
    juce::OwnedArray<juce::PluginDescription> found;
    for (const juce::String& file : format.searchPathsForPlugins(folders, true, false))
    {
        juce::OwnedArray<juce::PluginDescription> types;
        format.findAllTypesForFile(types, file);
        for (const juce::PluginDescription* type : types)
            if (type->name == "ORL Chordwell")
            {
                std::printf("found: %s\n", type->fileOrIdentifier.toRawUTF8());
                found.add(new juce::PluginDescription(*type));
            }
    }
    if (found.size() != 1)
    {
        std::fprintf(stderr, "ORL Chordwell was found %d times, not once\n", found.size());
        return 1;
    }
    auto plugin = vst3host::load(*found[0], vst3host::Layout::Stereo, input.sampleRate, 512);
    if (!plugin)
    {
        std::fprintf(stderr, "not loaded in stereo\n");
        return 1;
    }
    const int tail = static_cast<int>(reference.frames() - input.frames());
    const vst3host::Audio output = vst3host::render(*plugin, input.channels, tail, 512, 2);
    plugin.reset();
    for (size_t c = 0; c < 2; ++c)
        if (std::memcmp(output[c].data(), reference.channels[c].data(),
                        sizeof(float) * reference.frames()) != 0)
        {
            std::fprintf(stderr, "channel %zu: other bits than the reference\n", c);
            return 1;
        }
    std::printf("the same bits as the reference: %zu frames\n", reference.frames());
    return 0;
}
