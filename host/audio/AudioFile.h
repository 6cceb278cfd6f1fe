#pragma once

#include "OutputFile.h"
#include "OutputFormat.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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
    AudioReader();
    ~AudioReader();
    AudioReader(const AudioReader&) = delete;
    AudioReader& operator=(const AudioReader&) = delete;

    // Any file libsndfile knows (Linux), a WAV file of integer or float samples (Windows).
    // False with a message.
    bool open(const std::string& path, std::string& error);
    // After a failed open: whether the file was read but its content refused (not audio, no
    // sample rate, too many channels), rather than not read at all.
    bool contentRefused() const { return refused; }
    int channels() const { return channelCount; }
    double sampleRate() const { return rate; }
    uint64_t frames() const { return frameCount; }
    // Reads up to frames interleaved frames; returns how many (0 at the end or on error).
    size_t read(float* interleaved, size_t frames);

  private:
    struct Decoder; // libsndfile's, or the host's own WAV reader where there is no libsndfile
    std::unique_ptr<Decoder> decoder;
    int channelCount = 0;
    double rate = 0.0;
    uint64_t frameCount = 0;
    bool refused = false;
};

// An audio file written a block at a time through an OutputFile: by default a 32-bit float
// WAV without the PEAK chunk (its time stamp would make equal renders differ); integer WAV
// (clipped at full scale, 16 bits dithered) or FLAC where libsndfile is there. Main thread.
class WavWriter
{
  public:
    WavWriter();
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // False with a message, also for a format this build cannot write (Windows: float32 only).
    bool open(const std::string& path, double sampleRate, int channels, std::string& error,
              OutputFormat format = OutputFormat::Float32);
    bool write(const float* interleaved, size_t frames);
    // Why the last write failed, from the system ("No space left on device").
    const std::string& writeFailure() const { return failure; }
    // Completes the file so that only putting it in place is left (OutputFile::prepare).
    // False with a message. Optional before commit.
    bool prepare(std::string& error);
    // Completes the file and puts it in place. False with a message.
    bool commit(std::string& error);

  private:
    // Opens the output at target; the descriptor the encoder writes: the output's, or a
    // scratch file's when the output cannot seek. -1 with a message.
    int openDestination(const std::string& target, std::string& error);
    // Lets the encoder finish the file (sizes in its header). False with a message.
    bool complete(std::string& error);

    std::string path;
    OutputFile output;
    int staging = -1; // a device or FIFO gets the finished file from here, as it cannot seek
    struct Encoder;   // libsndfile's, or the host's own WAV writer where there is no libsndfile
    std::unique_ptr<Encoder> encoder;
    bool failed = false;
    bool prepared = false;
    std::string failure;
};

// The largest WAV a render may write: a RIFF size is 32 bits.
inline constexpr uint64_t kMaxWavDataBytes = 0xFFFFFF00u;

// The shapes of audio the host renders: one or two channels at a positive rate. False with a
// message naming the file otherwise. Any thread.
bool acceptAudioShape(const std::string& path, int channels, double sampleRate, std::string& error);

// Reads a whole file. False with a message in error.
bool readAudioFile(const std::string& path, AudioBuffer& audio, std::string& error);

// Writes a 32-bit float WAV through WavWriter.
bool writeFloatWav(const std::string& path, const AudioBuffer& audio, std::string& error);
