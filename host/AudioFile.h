#pragma once

#include <string>
#include <vector>

// Audio as the host handles it: planar 32-bit float channels at one rate. Main thread.
struct AudioBuffer
{
    double sampleRate = 48000.0;
    std::vector<std::vector<float>> channels;

    size_t frames() const { return channels.empty() ? 0 : channels[0].size(); }
};

// Reads any file libsndfile knows. Returns false with a message in error.
bool readAudioFile(const std::string& path, AudioBuffer& audio, std::string& error);

// Writes a 32-bit float WAV. The data goes to a temporary file beside the target that is
// renamed into place only when complete, so a failed write leaves no partial file behind.
bool writeFloatWav(const std::string& path, const AudioBuffer& audio, std::string& error);
