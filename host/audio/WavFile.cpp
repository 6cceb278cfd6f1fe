#include "WavFile.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

namespace wav
{
namespace
{
static_assert(std::endian::native == std::endian::little, "samples are copied as they lie");

constexpr uint16_t kPcm = 1;
constexpr uint16_t kFloat = 3;
constexpr uint16_t kExtensible = 0xFFFE;
// The sub-format GUID of WAVE_FORMAT_EXTENSIBLE after its first two bytes (the format code):
// {0000xxxx-0000-0010-8000-00aa00389b71}.
constexpr uint8_t kSubFormatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                        0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

uint16_t le16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t le32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint64_t le64(const uint8_t* p)
{
    return le32(p) | static_cast<uint64_t>(le32(p + 4)) << 32;
}

bool isId(const uint8_t* p, const char* id)
{
    return std::memcmp(p, id, 4) == 0;
}

// Writes at p and moves it on.
void putId(uint8_t*& p, const char* id)
{
    std::memcpy(p, id, 4);
    p += 4;
}

void put16(uint8_t*& p, uint32_t value)
{
    *p++ = static_cast<uint8_t>(value);
    *p++ = static_cast<uint8_t>(value >> 8);
}

void put32(uint8_t*& p, uint64_t value)
{
    put16(p, static_cast<uint32_t>(value & 0xFFFF));
    put16(p, static_cast<uint32_t>(value >> 16 & 0xFFFF));
}

std::optional<Encoding> encodingOf(uint16_t tag, uint16_t bits, std::string& error)
{
    if (tag == kPcm && bits >= 1 && bits <= 32)
        return bits <= 8    ? Encoding::Unsigned8
               : bits <= 16 ? Encoding::Signed16
               : bits <= 24 ? Encoding::Signed24
                            : Encoding::Signed32;
    if (tag == kFloat && (bits == 32 || bits == 64))
        return bits == 32 ? Encoding::Float32 : Encoding::Float64;
    char text[96];
    if (tag == kPcm || tag == kFloat)
        std::snprintf(text, sizeof text, "%s samples of %u bits are not read",
                      tag == kPcm ? "integer" : "float", static_cast<unsigned>(bits));
    else
        std::snprintf(text, sizeof text,
                      "samples coded as format 0x%04X are not read (only PCM "
                      "and float)",
                      static_cast<unsigned>(tag));
    error = text;
    return std::nullopt;
}
} // namespace

size_t sampleBytes(Encoding encoding)
{
    switch (encoding)
    {
    case Encoding::Unsigned8:
        return 1;
    case Encoding::Signed16:
        return 2;
    case Encoding::Signed24:
        return 3;
    case Encoding::Signed32:
    case Encoding::Float32:
        return 4;
    case Encoding::Float64:
        return 8;
    }
    return 1;
}

std::optional<Layout> readLayout(const ReadAt& read, uint64_t fileSize, std::string& error)
{
    uint8_t riff[12];
    if (fileSize < 12 || read(0, riff, 12) != 12 || !(isId(riff, "RIFF") || isId(riff, "RF64")) ||
        !isId(riff + 8, "WAVE"))
    {
        error = "not a WAV file (RIFF or RF64 WAVE)";
        return std::nullopt;
    }
    const bool rf64 = isId(riff, "RF64");
    std::optional<uint64_t> longDataSize; // an RF64 file's ds64 chunk
    bool haveFormat = false;
    uint16_t tag = 0, channels = 0, bits = 0;
    uint32_t rate = 0;
    std::optional<uint64_t> dataOffset;
    uint64_t dataSize = 0;
    // Chunks in any order, each padded to an even size, until both are found.
    uint64_t position = 12;
    while (position + 8 <= fileSize && !(haveFormat && dataOffset))
    {
        uint8_t head[8];
        if (read(position, head, 8) != 8)
            break;
        const uint64_t body = position + 8;
        uint64_t size = le32(head + 4);
        if (isId(head, "fmt "))
        {
            uint8_t fmt[40] = {};
            const auto wanted = static_cast<size_t>(std::min<uint64_t>(size, sizeof fmt));
            if (size < 16 || read(body, fmt, wanted) != wanted)
            {
                error = "its fmt chunk is damaged";
                return std::nullopt;
            }
            tag = le16(fmt);
            channels = le16(fmt + 2);
            rate = le32(fmt + 4);
            bits = le16(fmt + 14);
            if (tag == kExtensible)
            {
                if (size < 40 || std::memcmp(fmt + 26, kSubFormatTail, sizeof kSubFormatTail) != 0)
                {
                    error = "its WAVE_FORMAT_EXTENSIBLE sub-format is neither PCM nor float";
                    return std::nullopt;
                }
                tag = le16(fmt + 24);
            }
            haveFormat = true;
        }
        else if (rf64 && isId(head, "ds64") && size >= 16)
        {
            uint8_t sizes[16];
            if (read(body, sizes, 16) == 16)
                longDataSize = le64(sizes + 8);
        }
        else if (isId(head, "data"))
        {
            // 0xFFFFFFFF: the size is in ds64, or was never filled in by a streaming writer.
            if (size == 0xFFFFFFFFu)
                size = longDataSize ? *longDataSize : fileSize - body;
            dataOffset = body;
            dataSize = size;
        }
        if (size > fileSize - body)
            break;
        position = body + size + (size & 1);
    }
    if (!haveFormat)
    {
        error = "it has no fmt chunk";
        return std::nullopt;
    }
    if (!dataOffset)
    {
        error = "it has no data chunk";
        return std::nullopt;
    }
    const auto encoding = encodingOf(tag, bits, error);
    if (!encoding)
        return std::nullopt;
    Layout layout;
    layout.channels = channels;
    layout.sampleRate = rate;
    layout.encoding = *encoding;
    layout.dataOffset = *dataOffset;
    if (channels > 0)
        layout.frames = std::min(dataSize, fileSize - *dataOffset) / layout.frameBytes();
    return layout;
}

void decode(Encoding encoding, const uint8_t* bytes, size_t samples, float* out)
{
    // Powers of two, so every scaling below is exact, as libsndfile's is.
    constexpr float k8 = 1.0f / 0x80;
    constexpr float k16 = 1.0f / 0x8000;
    constexpr float k32 = 1.0f / 0x80000000u;
    const uint8_t* p = bytes;
    switch (encoding)
    {
    case Encoding::Unsigned8:
        for (size_t i = 0; i < samples; ++i)
            out[i] = static_cast<float>(static_cast<int>(p[i]) - 128) * k8;
        break;
    case Encoding::Signed16:
        for (size_t i = 0; i < samples; ++i, p += 2)
            out[i] = static_cast<float>(static_cast<int16_t>(le16(p))) * k16;
        break;
    case Encoding::Signed24:
        // Placed in the top bytes of a 32-bit word, as libsndfile does.
        for (size_t i = 0; i < samples; ++i, p += 3)
            out[i] = static_cast<float>(static_cast<int32_t>(static_cast<uint32_t>(p[0]) << 8 |
                                                             static_cast<uint32_t>(p[1]) << 16 |
                                                             static_cast<uint32_t>(p[2]) << 24)) *
                     k32;
        break;
    case Encoding::Signed32:
        for (size_t i = 0; i < samples; ++i, p += 4)
            out[i] = static_cast<float>(static_cast<int32_t>(le32(p))) * k32;
        break;
    case Encoding::Float32:
        if (samples > 0)
            std::memcpy(out, p, samples * sizeof(float));
        break;
    case Encoding::Float64:
        for (size_t i = 0; i < samples; ++i, p += 8)
            out[i] = static_cast<float>(std::bit_cast<double>(le64(p)));
        break;
    }
}

std::vector<uint8_t> floatHeader(int channels, uint32_t sampleRate, uint64_t frames)
{
    const auto count = static_cast<uint32_t>(channels);
    // libsndfile leaves the room of the PEAK chunk it did not write (a version, a time stamp
    // and a value and position per channel) as a PAD chunk.
    const uint32_t padBytes = 8 + 8 * count;
    const uint64_t dataBytes = frames * count * 4;
    const uint64_t headerBytes = 12 + 24 + 12 + 8 + padBytes + 8;
    std::vector<uint8_t> out(static_cast<size_t>(headerBytes), 0);
    uint8_t* p = out.data();
    putId(p, "RIFF");
    put32(p, headerBytes - 8 + dataBytes);
    putId(p, "WAVE");
    putId(p, "fmt ");
    put32(p, 16);
    put16(p, kFloat);
    put16(p, count);
    put32(p, sampleRate);
    put32(p, static_cast<uint64_t>(sampleRate) * count * 4);
    put16(p, count * 4);
    put16(p, 32);
    putId(p, "fact");
    put32(p, 4);
    put32(p, frames);
    putId(p, "PAD ");
    put32(p, padBytes);
    p += padBytes; // zeros
    putId(p, "data");
    put32(p, dataBytes);
    return out;
}

void encodeFloats(const float* samples, size_t count, uint8_t* out)
{
    // No frames may come with no buffer at all.
    if (count > 0)
        std::memcpy(out, samples, count * sizeof(float));
}
} // namespace wav
