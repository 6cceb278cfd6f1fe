#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// WAV coding of the host's own, for the builds without libsndfile (Windows): it reads what
// libsndfile reads there as libsndfile does and writes what the Linux build writes byte for
// byte. The functions keep no state; any thread.
namespace wav
{
enum class Encoding
{
    Unsigned8, // PCM of 8 bits or fewer
    Signed16,  // PCM of 9 to 16 bits
    Signed24,  // PCM of 17 to 24 bits
    Signed32,  // PCM of 25 to 32 bits
    Float32,
    Float64,
};

size_t sampleBytes(Encoding encoding);

// Where a WAV file's samples are and how they are coded.
struct Layout
{
    int channels = 0;
    uint32_t sampleRate = 0;
    Encoding encoding = Encoding::Signed16;
    uint64_t dataOffset = 0; // the first frame's position in the file
    uint64_t frames = 0;     // whole frames present (a data chunk cut short counts what is left)

    size_t frameBytes() const { return static_cast<size_t>(channels) * sampleBytes(encoding); }
};

// Reads up to size bytes at offset into `into`; returns how many it read.
using ReadAt = std::function<size_t(uint64_t offset, uint8_t* into, size_t size)>;

// The layout of a RIFF or RF64 WAVE file of fileSize bytes holding integer PCM of 8 to 32 bits
// or IEEE float of 32 or 64 bits, plain or WAVE_FORMAT_EXTENSIBLE. Nothing, with the reason in
// error, for anything else or a damaged file.
std::optional<Layout> readLayout(const ReadAt& read, uint64_t fileSize, std::string& error);

// samples of the encoding to float, scaled as libsndfile scales them (integers over
// 2^(bits - 1), 8 bits unsigned around 128; doubles rounded), so both builds read a file to
// the same floats.
void decode(Encoding encoding, const uint8_t* bytes, size_t samples, float* out);

// The header that libsndfile writes for a 32-bit float WAV of that many frames once its PEAK
// chunk is turned off: RIFF, fmt (16 bytes, IEEE float), fact, a PAD chunk where the PEAK
// chunk would be, then the data chunk's header. The samples follow it.
std::vector<uint8_t> floatHeader(int channels, uint32_t sampleRate, uint64_t frames);

// The file's bytes of count float samples (little-endian IEEE, NaN payloads kept).
void encodeFloats(const float* samples, size_t count, uint8_t* out);
} // namespace wav
