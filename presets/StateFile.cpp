#include "StateFile.h"

#include "BankState.h"

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "'elck' values are read in place");

namespace statefile
{
namespace
{
constexpr uint8_t kMagic[4] = {'O', 'C', 'w', 's'};

void putU32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t getU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

std::optional<std::vector<Chunk>> refuse(std::string& error, const std::string& why)
{
    error = why;
    return std::nullopt;
}
} // namespace

std::vector<uint8_t> encode(const std::vector<Chunk>& chunks)
{
    std::vector<uint8_t> out(kMagic, kMagic + 4);
    putU32(out, kVersion);
    putU32(out, static_cast<uint32_t>(chunks.size()));
    for (const Chunk& chunk : chunks)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            out.push_back(static_cast<uint8_t>(chunk.id >> shift));
        putU32(out, static_cast<uint32_t>(chunk.data.size()));
        out.insert(out.end(), chunk.data.begin(), chunk.data.end());
    }
    return out;
}

std::optional<std::vector<Chunk>> decode(std::span<const uint8_t> bytes, std::string& error)
{
    if (bytes.size() < 4 || std::memcmp(bytes.data(), kMagic, 4) != 0)
    {
        // The headerless files of earlier versions: the 'All ' data alone.
        if (bytes.empty() || bytes.size() > kMaxChunkSize)
            return refuse(error, "not a state file");
        return std::vector<Chunk>{{kBankChunk, {bytes.begin(), bytes.end()}}};
    }
    if (bytes.size() < kHeaderSize)
        return refuse(error, "the state file's header is cut short");
    if (getU32(bytes.data() + 4) != kVersion)
        return refuse(error, "state file version " + std::to_string(getU32(bytes.data() + 4)) +
                                 " is not one this version reads");
    const uint32_t count = getU32(bytes.data() + 8);
    if (count < 1 || count > kMaxChunks)
        return refuse(error, "the state file's chunk count is damaged");
    std::vector<Chunk> chunks;
    size_t at = kHeaderSize;
    for (uint32_t i = 0; i < count; ++i)
    {
        if (bytes.size() - at < kChunkHeaderSize)
            return refuse(error, "the state file is cut short");
        Chunk chunk;
        const uint8_t* p = bytes.data() + at;
        chunk.id = static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
                   static_cast<uint32_t>(p[2]) << 8 | p[3];
        const uint32_t size = getU32(p + 4);
        at += kChunkHeaderSize;
        if (size > kMaxChunkSize || bytes.size() - at < size)
            return refuse(error, "a chunk of the state file is damaged or cut short");
        for (const Chunk& seen : chunks)
            if (seen.id == chunk.id)
                return refuse(error, "the state file holds a chunk twice");
        chunk.data.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                          bytes.begin() + static_cast<std::ptrdiff_t>(at + size));
        at += size;
        chunks.push_back(std::move(chunk));
    }
    if (at != bytes.size())
        return refuse(error, "the state file has bytes after its last chunk");
    return chunks;
}

std::optional<std::vector<HostValue>> decodeHostValues(std::span<const uint8_t> data,
                                                       std::string& error)
{
    auto damaged = [&error]() -> std::optional<std::vector<HostValue>>
    {
        error = "the host parameter chunk is damaged";
        return std::nullopt;
    };
    if (data.size() < 4)
        return damaged();
    const uint32_t count = getU32(data.data());
    if (count > kMaxParameters)
        return damaged();
    std::vector<HostValue> values;
    size_t at = 4;
    for (uint32_t i = 0; i < count; ++i)
    {
        if (data.size() - at < 4)
            return damaged();
        const uint32_t length = getU32(data.data() + at);
        at += 4;
        if (length > kMaxParameterId || data.size() - at < static_cast<size_t>(length) + 8)
            return damaged();
        HostValue value;
        value.id.assign(reinterpret_cast<const char*>(data.data() + at), length);
        at += length;
        std::memcpy(&value.value, data.data() + at, 8);
        at += 8;
        if (!(value.value >= 0.0 && value.value <= 1.0))
            return damaged();
        values.push_back(std::move(value));
    }
    if (at != data.size())
        return damaged();
    return values;
}

std::optional<Contents> read(std::span<const uint8_t> bytes, std::string& error)
{
    const auto chunks = decode(bytes, error);
    if (!chunks)
        return std::nullopt;
    Contents contents;
    bool hasBank = false;
    for (const Chunk& chunk : *chunks)
    {
        if (chunk.id == kBankChunk)
        {
            if (!bankstate::isAccepted(chunk.data))
            {
                error = "the bank chunk 'All ' is damaged or holds a value outside 0..1";
                return std::nullopt;
            }
            contents.bankState = chunk.data;
            hasBank = true;
        }
        else if (chunk.id == kParameterChunk)
        {
            auto values = decodeHostValues(chunk.data, error);
            if (!values)
                return std::nullopt;
            contents.hostValues = std::move(*values);
        }
    }
    if (!hasBank)
    {
        error = "the state holds no bank chunk 'All '";
        return std::nullopt;
    }
    return contents;
}
} // namespace statefile
