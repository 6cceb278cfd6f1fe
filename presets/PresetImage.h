#pragma once

#include "PresetRecord.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The binary layout shared by preset images (files "orl" and the memo slots), bank images
// (files "orb") and the host state: a 41-byte header and back-to-back records. Images are
// written little-endian and read in either byte order. Every reader here is bounded by the
// bytes it is given. Stateless; any thread.
namespace presetimage
{
// The four-character code 'QcWl'; a little-endian writer stores the bytes "lWcQ".
inline constexpr uint32_t kCode = 0x5163576Cu;
inline constexpr uint8_t kPresetType = 0x22;
inline constexpr uint8_t kBankType = 0x38;
inline constexpr uint32_t kVersion = 0x02000000u;
inline constexpr uint32_t kHeaderConstant = 13;

inline constexpr size_t kHeaderSize = 41;
inline constexpr size_t kRecordHeaderSize = 12;
inline constexpr uint32_t kNameBodySize = 156;
inline constexpr uint32_t kValueBodySize = 20;
inline constexpr size_t kPresetPayloadSize =
    (kRecordHeaderSize + kNameBodySize) + 8 * (kRecordHeaderSize + kValueBodySize);
inline constexpr size_t kPresetImageSize = kHeaderSize + kPresetPayloadSize;
inline constexpr size_t kBankImageSize = kHeaderSize + 10 * kPresetPayloadSize;
inline constexpr size_t kHostStatePrefixSize = 8;
inline constexpr size_t kHostStateSize = kHostStatePrefixSize + kBankImageSize;

inline constexpr uint32_t kNameRecord = 0;
inline constexpr uint32_t kValueRecord = 1;

// The header fields after decoding (byte order already undone).
struct ImageHeader
{
    uint32_t code = kCode;
    uint8_t type = 0;
    uint32_t version = kVersion;
    uint32_t parameterCount = 8;
    int32_t recordCount = 0;
    int32_t currentIndex = 0;
    uint32_t payloadSize = 0;
    uint32_t constant = kHeaderConstant;
    uint32_t extra = 0;
    uint32_t reserved[2] = {};
};

// Whether bytes start with the code: false for a little-endian image, true for a byte-reversed
// (big-endian) one; nothing when fewer than 4 bytes or another start.
std::optional<bool> detectByteReversal(std::span<const uint8_t> bytes);

// Decodes the 41-byte header at the start of bytes; nothing when fewer than 41 bytes.
std::optional<ImageHeader> readHeader(std::span<const uint8_t> bytes, bool reversed);

// Whether bytes go on after the image they start with (its header and the payload size it
// states): a file of junk behind an image is not that image.
bool hasBytesAfterImage(std::span<const uint8_t> bytes);

// One record as read. name is the 24-byte field with its last byte forced to NUL (type 0);
// parameterIndex and value are those of a type 1 record.
struct ImageRecord
{
    uint32_t type = 0;
    uint32_t bodyLength = 0;
    int32_t presetIndex = 0;
    char name[PresetRecord::kNameSize] = {};
    int32_t parameterIndex = -1;
    float value = 0.0f;
};

// Walks records back to back, each starting where the previous body (by its stored length)
// ends. Never reads outside the bytes given.
class RecordWalker
{
  public:
    RecordWalker(std::span<const uint8_t> records, bool reversed);
    // Reads the next record into record; false when it (its header, its stored body, or the
    // fields its type needs) would run past the end of the bytes.
    bool next(ImageRecord& record);

  private:
    std::span<const uint8_t> bytes;
    size_t position = 0;
    bool reversed;
};

// True for a value a record may carry: within 0.0..1.0, NaN excluded.
inline bool isNormalized(float value)
{
    return value >= 0.0f && value <= 1.0f;
}

// Appends a little-endian header.
void appendHeader(std::vector<uint8_t>& out, const ImageHeader& header);
// Appends the name record and eight value records of one preset.
void appendPresetRecords(std::vector<uint8_t>& out, const PresetRecord& preset,
                         int32_t presetIndex);
void appendU32(std::vector<uint8_t>& out, uint32_t value);
} // namespace presetimage
