#include "PresetImage.h"

#include <bit>
#include <cstring>

namespace presetimage
{
namespace
{
uint32_t loadU32(const uint8_t* p, bool reversed)
{
    const uint32_t little = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                            static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
    return reversed ? __builtin_bswap32(little) : little;
}

int32_t loadI32(const uint8_t* p, bool reversed)
{
    return static_cast<int32_t>(loadU32(p, reversed));
}

void appendZeros(std::vector<uint8_t>& out, size_t count)
{
    out.insert(out.end(), count, 0);
}
} // namespace

void appendU32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

std::optional<bool> detectByteReversal(std::span<const uint8_t> bytes)
{
    if (bytes.size() < 4)
        return std::nullopt;
    const uint32_t code = loadU32(bytes.data(), false);
    if (code == kCode)
        return false;
    if (code == __builtin_bswap32(kCode))
        return true;
    return std::nullopt;
}

std::optional<ImageHeader> readHeader(std::span<const uint8_t> bytes, bool reversed)
{
    if (bytes.size() < kHeaderSize)
        return std::nullopt;
    const uint8_t* p = bytes.data();
    ImageHeader header;
    header.code = loadU32(p, reversed);
    header.type = p[4];
    header.version = loadU32(p + 5, reversed);
    header.parameterCount = loadU32(p + 9, reversed);
    header.recordCount = loadI32(p + 13, reversed);
    header.currentIndex = loadI32(p + 17, reversed);
    header.payloadSize = loadU32(p + 21, reversed);
    header.constant = loadU32(p + 25, reversed);
    header.extra = loadU32(p + 29, reversed);
    header.reserved[0] = loadU32(p + 33, reversed);
    header.reserved[1] = loadU32(p + 37, reversed);
    return header;
}

bool hasBytesAfterImage(std::span<const uint8_t> bytes)
{
    const auto reversed = detectByteReversal(bytes);
    const auto header = reversed ? readHeader(bytes, *reversed) : std::nullopt;
    return header && bytes.size() - kHeaderSize > header->payloadSize;
}

RecordWalker::RecordWalker(std::span<const uint8_t> records, bool reversed)
    : bytes(records), reversed(reversed)
{
}

bool RecordWalker::next(ImageRecord& record)
{
    const size_t left = bytes.size() - position;
    if (left < kRecordHeaderSize)
        return false;
    const uint8_t* head = bytes.data() + position;
    record.type = loadU32(head, reversed);
    record.bodyLength = loadU32(head + 4, reversed);
    record.presetIndex = loadI32(head + 8, reversed);
    const size_t bodyLeft = left - kRecordHeaderSize;
    if (record.bodyLength > bodyLeft)
        return false;
    const uint8_t* body = head + kRecordHeaderSize;
    // The fields are read at fixed places of the body even when its stored length is shorter;
    // they must still lie within the bytes given.
    if (record.type == kNameRecord)
    {
        if (bodyLeft < PresetRecord::kNameSize)
            return false;
        std::memcpy(record.name, body, PresetRecord::kNameSize);
        record.name[PresetRecord::kNameSize - 1] = '\0';
    }
    else if (record.type == kValueRecord)
    {
        if (bodyLeft < 16)
            return false;
        record.parameterIndex = loadI32(body, reversed);
        record.value = std::bit_cast<float>(loadU32(body + 12, reversed));
    }
    position += kRecordHeaderSize + record.bodyLength;
    return true;
}

void appendHeader(std::vector<uint8_t>& out, const ImageHeader& header)
{
    appendU32(out, header.code);
    out.push_back(header.type);
    appendU32(out, header.version);
    appendU32(out, header.parameterCount);
    appendU32(out, static_cast<uint32_t>(header.recordCount));
    appendU32(out, static_cast<uint32_t>(header.currentIndex));
    appendU32(out, header.payloadSize);
    appendU32(out, header.constant);
    appendU32(out, header.extra);
    appendU32(out, header.reserved[0]);
    appendU32(out, header.reserved[1]);
}

void appendPresetRecords(std::vector<uint8_t>& out, const PresetRecord& preset, int32_t presetIndex)
{
    appendU32(out, kNameRecord);
    appendU32(out, kNameBodySize);
    appendU32(out, static_cast<uint32_t>(presetIndex));
    out.insert(out.end(), preset.name, preset.name + PresetRecord::kNameSize);
    appendZeros(out, kNameBodySize - PresetRecord::kNameSize);
    for (int parameter = 0; parameter < PresetRecord::kValueCount; ++parameter)
    {
        appendU32(out, kValueRecord);
        appendU32(out, kValueBodySize);
        appendU32(out, static_cast<uint32_t>(presetIndex));
        appendU32(out, static_cast<uint32_t>(parameter));
        appendZeros(out, 8);
        appendU32(out, std::bit_cast<uint32_t>(preset.values[parameter]));
        appendZeros(out, 4);
    }
}
} // namespace presetimage
