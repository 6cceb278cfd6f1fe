#pragma once

#include <optional>
#include <string>

// The audio formats a render writes. Main thread.
enum class OutputFormat
{
    Float32, // 32-bit float WAV without a PEAK chunk: the same command gives the same bytes
    Pcm24,   // 24-bit integer WAV
    Pcm16,   // 16-bit integer WAV, with TPDF dither of a fixed seed
    Flac,    // FLAC of 24 bits
};

// "float32", "pcm24", "pcm16", "flac"; nothing for any other word.
std::optional<OutputFormat> parseOutputFormat(const std::string& word);

const char* outputFormatName(OutputFormat format);

// Whether this build writes the format (the Windows build, without libsndfile, writes
// float32 alone).
bool isWritableFormat(OutputFormat format);

// The format of an output from --format (empty when not given) and the output's name: the
// name's extension picks FLAC or WAV (float32 by default), a --format that contradicts it,
// or an audio extension this host does not write (".aiff", ".mp3"), is refused with the
// reason in error. Names without an audio extension (a device, "take.tmp") take --format.
std::optional<OutputFormat> chooseOutputFormat(const std::string& formatWord,
                                               const std::string& outPath, std::string& error);
