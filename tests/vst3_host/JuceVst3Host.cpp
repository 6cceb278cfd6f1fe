#include "JuceVst3Host.h"

#include <audio/AudioFile.h>

#include <pluginterfaces/vst/ivstcomponent.h>

#include <cmath>
#include <iostream>
#include <numbers>
#include <random>

namespace vst3host
{
// The build's files are named from this program's folder, so that the paths mean the same
// to a Windows program under Wine as to a Linux one.
static juce::String besideTests(const char* path)
{
    return juce::File::getSpecialLocation(juce::File::currentExecutableFile)
        .getParentDirectory()
        .getChildFile(path)
        .getFullPathName();
}

juce::PluginDescription describeBundle()
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> found;
    format.findAllTypesForFile(found, besideTests(ORL_VST3_BUNDLE));
    return found.size() == 1 ? *found[0] : juce::PluginDescription{};
}

std::unique_ptr<juce::AudioPluginInstance> load(Layout layout, double rate, int block)
{
    return load(describeBundle(), layout, rate, block);
}

std::unique_ptr<juce::AudioPluginInstance> load(const juce::PluginDescription& description,
                                                Layout layout, double rate, int block)
{
    juce::VST3PluginFormat format;
    juce::String error;
    auto plugin = format.createInstanceFromDescription(description, rate, block, error);
    if (!plugin)
        return nullptr;
    juce::AudioProcessor::BusesLayout buses;
    const auto mono = juce::AudioChannelSet::mono(), stereo = juce::AudioChannelSet::stereo();
    buses.inputBuses.add(layout == Layout::Stereo ? stereo : mono);
    buses.outputBuses.add(layout == Layout::Mono ? mono : stereo);
    if (!plugin->setBusesLayout(buses))
        return nullptr;
    plugin->prepareToPlay(rate, block);
    return plugin;
}

Audio render(juce::AudioPluginInstance& plugin, const Audio& input, int tail, int block,
             int outputChannels)
{
    const int frames = static_cast<int>(input[0].size()) + tail;
    Audio padded = input, output(outputChannels, std::vector<float>(frames));
    for (auto& channel : padded)
        channel.resize(static_cast<size_t>(frames));
    juce::AudioBuffer<float> buffer(std::max<int>(static_cast<int>(input.size()), outputChannels),
                                    block);
    juce::MidiBuffer midi;
    for (int start = 0; start < frames; start += block)
    {
        const int count = std::min(block, frames - start);
        buffer.setSize(buffer.getNumChannels(), count, false, false, true);
        buffer.clear();
        for (size_t c = 0; c < input.size(); ++c)
            buffer.copyFrom(static_cast<int>(c), 0, padded[c].data() + start, count);
        plugin.processBlock(buffer, midi);
        for (int c = 0; c < outputChannels; ++c)
            std::copy_n(buffer.getReadPointer(c), count, output[c].begin() + start);
    }
    return output;
}

Audio testSignal(int channels, int frames, double rate)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> noise(-0.5f, 0.5f);
    Audio audio(channels, std::vector<float>(frames));
    for (int i = 0; i < frames; ++i)
    {
        const double t = i / rate;
        const float burst = (i % 12000) < 2000 ? noise(random) : 0.0f;
        for (int c = 0; c < channels; ++c)
            audio[c][i] =
                burst + static_cast<float>(
                            0.3 * std::sin(2.0 * std::numbers::pi * (220.0 + 110.0 * c) * t) *
                            std::exp(-3.0 * t));
    }
    return audio;
}

bool writeWav(const std::string& path, const Audio& audio, int rate)
{
    std::string error;
    if (writeFloatWav(path, AudioBuffer{static_cast<double>(rate), audio}, error))
        return true;
    std::cerr << error << "\n";
    return false;
}

Audio readWav(const std::string& path)
{
    AudioBuffer buffer;
    std::string error;
    if (readAudioFile(path, buffer, error))
        return buffer.channels;
    std::cerr << error << "\n";
    return {};
}

int chordwellHost(const std::vector<std::string>& arguments)
{
    juce::StringArray command{besideTests(ORL_CHORDWELL_HOST)};
    for (const std::string& argument : arguments)
        command.add(juce::String::fromUTF8(argument.c_str()));
    juce::ChildProcess host;
    if (!host.start(command, juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr))
        return -1;
    const juce::String output = host.readAllProcessOutput();
    // Its exit code is known only once it has been waited for.
    if (!host.waitForProcessToFinish(60000))
        return -1;
    const int status = static_cast<int>(host.getExitCode());
    if (status != 0)
        std::cerr << command.joinIntoString(" ") << ":\n" << output << "\n";
    return status;
}

void pump(int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil(milliseconds);
}

std::unique_ptr<juce::AudioProcessorEditor> openEditor(juce::AudioPluginInstance& plugin,
                                                       float scale)
{
    std::unique_ptr<juce::AudioProcessorEditor> editor(plugin.createEditorIfNeeded());
    if (editor)
    {
        if (scale != 1.0f)
            editor->setScaleFactor(scale);
        editor->setTopLeftPosition(60, 60);
        editor->addToDesktop(juce::ComponentPeer::windowIsTemporary);
        editor->setVisible(true);
    }
    return editor;
}

Steinberg::Vst::IComponent* componentOf(juce::AudioPluginInstance& plugin)
{
    struct Visitor final : juce::ExtensionsVisitor
    {
        void visitVST3Client(const VST3Client& client) override
        {
            component = client.getIComponentPtr();
        }
        Steinberg::Vst::IComponent* component = nullptr;
    } visitor;
    plugin.getExtensions(visitor);
    return visitor.component;
}
} // namespace vst3host
