#pragma once

#include "audio/AudioFile.h"

#include <juce_audio_devices/juce_audio_devices.h>

#include <atomic>
#include <string>

class PluginRenderer;

// Plays audio in a loop through the plug-in on the system's default output device: each
// device block takes the next frames of the loop (wrapping at its end) as the stereo
// instance's input and sends its output to the device. The device's rate is handed to the
// instance; the loop plays at that rate unconverted. The device calls back on the audio
// thread, which neither allocates nor locks here. Main thread for start and stop.
class AudioLoop final : private juce::AudioIODeviceCallback
{
  public:
    // The loop must hold one or two channels of at least one frame; both outlive the loop.
    AudioLoop(PluginRenderer& renderer, const AudioBuffer& loop);
    ~AudioLoop() override;

    // Main thread. Opens the default output device and starts playing; false when there is
    // none, with the device layer's reason in error (empty when it gave none).
    bool start(std::string& error);
    void stop();
    // The device's name while playing.
    std::string deviceName() const;

  private:
    void audioDeviceIOCallbackWithContext(const float* const* input, int inputChannels,
                                          float* const* output, int outputChannels, int frames,
                                          const juce::AudioIODeviceCallbackContext&) override;
    void audioDeviceAboutToStart(juce::AudioIODevice* device) override;
    void audioDeviceStopped() override {}

    PluginRenderer& renderer;
    const AudioBuffer& loop;
    juce::AudioDeviceManager devices;
    size_t position = 0;
    bool playing = false;
};
