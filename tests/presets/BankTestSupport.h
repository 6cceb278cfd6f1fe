#pragma once

#include <PresetBank.h>
#include <ScratchStore.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace banktest
{
inline uint32_t readU32(const std::vector<uint8_t>& bytes, size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<uint32_t>(bytes[at + 3]) << 24;
}

inline void writeU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// Offset of the value of parameter p of preset q in a preset (q = 0) or bank image.
inline size_t valueOffset(int q, int p)
{
    return 41 + q * 424 + 168 + p * 32 + 12 + 12;
}

inline constexpr size_t kRecordCountOffset = 13;

inline void setValue(std::vector<uint8_t>& image, int q, int p, float value)
{
    writeU32(image, valueOffset(q, p), std::bit_cast<uint32_t>(value));
}

// A scratch store whose folder also holds the test's files.
struct ScratchFolder : ScratchStore
{
    std::string path(const std::string& name) const { return root() + "/" + name; }
};
} // namespace banktest
