#include "AudioLoop.h"

#include "render/PluginRenderer.h"

#include <algorithm>

AudioLoop::AudioLoop(PluginRenderer& r, const AudioBuffer& l) : renderer(r), loop(l) {}

AudioLoop::~AudioLoop()
{
    stop();
}

bool AudioLoop::start(std::string& error)
{
    if (loop.frames() == 0 || loop.channels.empty() || loop.channels.size() > 2)
    {
        error = "nothing to play";
        return false;
    }
    const juce::String opened = devices.initialiseWithDefaultDevices(0, 2);
    if (opened.isNotEmpty() || devices.getCurrentAudioDevice() == nullptr)
    {
        error = opened.toStdString();
        return false;
    }
    devices.addAudioCallback(this);
    playing = true;
    return true;
}

void AudioLoop::stop()
{
    if (!playing)
        return;
    playing = false;
    devices.removeAudioCallback(this);
    devices.closeAudioDevice();
}

std::string AudioLoop::deviceName() const
{
    auto* device = devices.getCurrentAudioDevice();
    return device ? device->getName().toStdString() : std::string();
}

void AudioLoop::audioDeviceAboutToStart(juce::AudioIODevice* device)
{
    renderer.instance().setSampleRate(static_cast<float>(device->getCurrentSampleRate()));
}

void AudioLoop::audioDeviceIOCallbackWithContext(const float* const*, int, float* const* output,
                                                 int outputChannels, int frames,
                                                 const juce::AudioIODeviceCallbackContext&)
{
    // Stereo output for the instance; a mono device gets the left channel.
    float* right = outputChannels > 1 ? output[1] : output[0];
    const size_t length = loop.frames();
    int done = 0;
    while (done < frames)
    {
        const auto count = static_cast<int>(
            std::min<size_t>(static_cast<size_t>(frames - done), length - position));
        const float* in[2] = {loop.channels[0].data() + position,
                              loop.channels.back().data() + position};
        float* out[2] = {output[0] + done, right + done};
        renderer.instance().render(in, out, count);
        done += count;
        position = (position + static_cast<size_t>(count)) % length;
    }
    for (int channel = 2; channel < outputChannels; ++channel)
        std::fill(output[channel], output[channel] + frames, 0.0f);
}
