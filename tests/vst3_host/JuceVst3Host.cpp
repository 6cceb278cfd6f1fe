#include "JuceVst3Host.h"

#include <gtest/gtest.h>
#include <pluginterfaces/vst/ivstcomponent.h>
#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>

namespace vst3host
{
juce::PluginDescription describeBundle()
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> found;
    format.findAllTypesForFile(found, ORL_VST3_BUNDLE);
    if (found.size() != 1)
        return {};
    return *found[0];
}

std::unique_ptr<juce::AudioPluginInstance> load(Layout layout, double rate, int block)
{
    juce::VST3PluginFormat format;
    juce::String error;
    auto plugin = format.createInstanceFromDescription(describeBundle(), rate, block, error);
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
    const int channels = std::max<int>(static_cast<int>(input.size()), outputChannels);
    Audio output(outputChannels, std::vector<float>(frames));
    juce::AudioBuffer<float> buffer(channels, block);
    juce::MidiBuffer midi;
    for (int start = 0; start < frames; start += block)
    {
        const int count = std::min(block, frames - start);
        buffer.setSize(channels, count, false, false, true);
        buffer.clear();
        for (size_t c = 0; c < input.size(); ++c)
            for (int i = 0; i < count; ++i)
            {
                const size_t at = static_cast<size_t>(start + i);
                buffer.setSample(static_cast<int>(c), i,
                                 at < input[c].size() ? input[c][at] : 0.0f);
            }
        plugin.processBlock(buffer, midi);
        for (int c = 0; c < outputChannels; ++c)
            for (int i = 0; i < count; ++i)
                output[c][static_cast<size_t>(start + i)] = buffer.getSample(c, i);
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
                burst + static_cast<float>(0.3 * std::sin(2.0 * M_PI * (220.0 + 110.0 * c) * t) *
                                           std::exp(-3.0 * t));
    }
    return audio;
}

bool writeWav(const std::string& path, const Audio& audio, int rate)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = static_cast<int>(audio.size());
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr)
        return false;
    std::vector<float> interleaved(audio[0].size() * audio.size());
    for (size_t i = 0; i < audio[0].size(); ++i)
        for (size_t c = 0; c < audio.size(); ++c)
            interleaved[i * audio.size() + c] = audio[c][i];
    sf_writef_float(file, interleaved.data(), static_cast<sf_count_t>(audio[0].size()));
    sf_close(file);
    return true;
}

Audio readWav(const std::string& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr)
        return {};
    std::vector<float> interleaved(static_cast<size_t>(info.frames * info.channels));
    sf_readf_float(file, interleaved.data(), info.frames);
    sf_close(file);
    Audio audio(info.channels, std::vector<float>(static_cast<size_t>(info.frames)));
    for (size_t i = 0; i < static_cast<size_t>(info.frames); ++i)
        for (int c = 0; c < info.channels; ++c)
            audio[c][i] = interleaved[i * info.channels + c];
    return audio;
}

int chordwellHost(const std::string& arguments)
{
    const std::string command =
        std::string("'") + ORL_CHORDWELL_HOST + "' " + arguments + " >/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string scratchFolder(const std::string& name)
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("orl-vst3-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
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
