// vst3_scan_render <input.wav> <reference.wav>: finds ORL Chordwell as a DAW's plug-in scan
// does, in the system's standard VST 3 folders only (JUCE's default search path, searched
// recursively), prints the file it found, renders the input through it in stereo blocks of 512
// frames, silence after it up to the reference's length, and compares that with the reference
// bit for bit. It proves an installation: nothing of the build tree is named.
// Exit status: 0 the same bits; 1 not found, found more than once, not loaded or other bits;
// 2 bad arguments or unreadable files.
#include <AudioFile.h>

#include <juce_audio_processors/juce_audio_processors.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace
{
constexpr int kBlock = 512;

std::unique_ptr<juce::AudioPluginInstance>
loadStereo(juce::VST3PluginFormat& format, const juce::PluginDescription& description, double rate)
{
    juce::String error;
    auto plugin = format.createInstanceFromDescription(description, rate, kBlock, error);
    if (!plugin)
    {
        std::fprintf(stderr, "not loaded: %s\n", error.toRawUTF8());
        return nullptr;
    }
    juce::AudioProcessor::BusesLayout buses;
    buses.inputBuses.add(juce::AudioChannelSet::stereo());
    buses.outputBuses.add(juce::AudioChannelSet::stereo());
    if (!plugin->setBusesLayout(buses))
    {
        std::fprintf(stderr, "the stereo layout was refused\n");
        return nullptr;
    }
    plugin->prepareToPlay(rate, kBlock);
    return plugin;
}

// Main thread. The input's stereo channels, then silence, to `frames` frames.
AudioBuffer render(juce::AudioPluginInstance& plugin, const AudioBuffer& input, size_t frames)
{
    AudioBuffer output;
    output.sampleRate = input.sampleRate;
    output.channels.assign(2, std::vector<float>(frames));
    juce::AudioBuffer<float> buffer(2, kBlock);
    juce::MidiBuffer midi;
    for (size_t start = 0; start < frames; start += kBlock)
    {
        const int count = static_cast<int>(std::min<size_t>(kBlock, frames - start));
        buffer.setSize(2, count, false, false, true);
        buffer.clear();
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < count; ++i)
                if (start + i < input.frames())
                    buffer.setSample(c, i, input.channels[c][start + i]);
        plugin.processBlock(buffer, midi);
        for (int c = 0; c < 2; ++c)
            std::memcpy(&output.channels[c][start], buffer.getReadPointer(c),
                        sizeof(float) * static_cast<size_t>(count));
    }
    return output;
}
} // namespace

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
    auto plugin = loadStereo(format, *found[0], input.sampleRate);
    if (!plugin)
        return 1;
    const AudioBuffer output = render(*plugin, input, reference.frames());
    plugin.reset();
    for (size_t c = 0; c < 2; ++c)
        if (std::memcmp(output.channels[c].data(), reference.channels[c].data(),
                        sizeof(float) * reference.frames()) != 0)
        {
            std::fprintf(stderr, "channel %zu: other bits than the reference\n", c);
            return 1;
        }
    std::printf("the same bits as the reference: %zu frames\n", reference.frames());
    return 0;
}
