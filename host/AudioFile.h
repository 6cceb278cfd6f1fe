#pragma once

#include "OutputFile.h"

#include <cstdint>
#include <string>
#include <vector>

struct sf_private_tag;

// Audio as the host handles it: planar 32-bit float channels at one rate. Main thread.
struct AudioBuffer
{
    double sampleRate = 48000.0;
    std::vector<std::vector<float>> channels;

    size_t frames() const { return channels.empty() ? 0 : channels[0].size(); }
};

// An audio file read a block at a time, so that memory stays flat whatever its length.
// Only regular files are opened (a FIFO would block). Main thread.
class AudioReader
{
  public:
    AudioReader() = default;
    ~AudioReader();
    AudioReader(const AudioReader&) = delete;
    AudioReader& operator=(const AudioReader&) = delete;

    // Any file libsndfile knows. False with a message.
    bool open(const std::string& path, std::string& error);
    int channels() const { return channelCount; }
    double sampleRate() const { return rate; }
    uint64_t frames() const { return frameCount; }
    // Reads up to frames interleaved frames; returns how many (0 at the end or on error).
    size_t read(float* interleaved, size_t frames);

  private:
    sf_private_tag* file = nullptr;
    int channelCount = 0;
    double rate = 0.0;
    uint64_t frameCount = 0;
};

// A 32-bit float WAV written a block at a time through an OutputFile, without the PEAK
// chunk (its time stamp would make equal renders differ). Main thread.
class WavWriter
{
  public:
    WavWriter() = default;
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    bool open(const std::string& path, double sampleRate, int channels, std::string& error);
    bool write(const float* interleaved, size_t frames);
    // Completes the file and puts it in place. False with a message.
    bool commit(std::string& error);

  private:
    std::string path;
    OutputFile output;
    int staging = -1; // a device or FIFO gets the finished file from here, as it cannot seek
    sf_private_tag* file = nullptr;
    bool failed = false;
};

// The largest WAV a render may write: a RIFF size is 32 bits.
inline constexpr uint64_t kMaxWavDataBytes = 0xFFFFFF00u;

// Reads a whole file. False with a message in error.
bool readAudioFile(const std::string& path, AudioBuffer& audio, std::string& error);

// Writes a 32-bit float WAV through WavWriter.
bool writeFloatWav(const std::string& path, const AudioBuffer& audio, std::string& error);
