#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The plug-in state file that `chordwell-host render|edit --state-out` writes and
// `--state-in` reads: every chunk the plug-in declares, in the plug-in's chunk order, so
// that a restore gives back what the session had. Plain bytes, no dependencies, so that any
// plug-in shell can read the files our host wrote. All integers are little-endian.
//
//   offset  size  content
//   0       4     magic, the bytes "OCws"
//   4       4     version, 1
//   8       4     chunk count N, 1..16
//   12      ...   N chunks, back to back, each:
//                   4  chunk id, its four characters in reading order ("elck", "All ")
//                   4  data size S, at most kMaxChunkSize
//                   S  the chunk's data, exactly as the plug-in's GetChunk gave it
//   end           nothing follows the last chunk
//
// Chunk ids are unique within a file. 'elck' data: u32 count, then per host parameter u32 id
// length, the id's bytes, f64 normalized value. 'All ' data: the preset bank's host state
// with its two closing words.
//
// Files written before this format hold the 'All ' chunk's data alone, with no header; they
// start with the bytes 00 00 00 02, never with the magic, and are read as one 'All ' chunk.
//
// Stateless; any thread.
namespace statefile
{
inline constexpr uint32_t kVersion = 1;
inline constexpr size_t kHeaderSize = 12;
inline constexpr size_t kChunkHeaderSize = 8;
inline constexpr uint32_t kMaxChunks = 16;
inline constexpr uint32_t kMaxChunkSize = 1u << 20;
// Largest parameter id and count an 'elck' chunk may carry here.
inline constexpr uint32_t kMaxParameterId = 255;
inline constexpr uint32_t kMaxParameters = 1024;

// A four-character chunk id as a number, first character in the high byte (the plug-in
// interface's convention).
constexpr uint32_t fourCC(const char (&text)[5])
{
    return (static_cast<uint32_t>(static_cast<unsigned char>(text[0])) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(text[1])) << 16) |
           (static_cast<uint32_t>(static_cast<unsigned char>(text[2])) << 8) |
           static_cast<uint32_t>(static_cast<unsigned char>(text[3]));
}
inline constexpr uint32_t kParameterChunk = fourCC("elck");
inline constexpr uint32_t kBankChunk = fourCC("All ");

struct Chunk
{
    uint32_t id = 0;
    std::vector<uint8_t> data;
};

// The file's bytes for these chunks, in the order given.
std::vector<uint8_t> encode(const std::vector<Chunk>& chunks);

// The chunks of a file, in file order; an old headerless file gives one 'All ' chunk. A
// file with a wrong version, a count or size out of range, a repeated id, bytes missing or
// bytes left over is refused: nothing, and why in error. Reads nothing outside bytes. The
// chunks' data is not looked at: read() gives the verdict on a whole file.
std::optional<std::vector<Chunk>> decode(std::span<const uint8_t> bytes, std::string& error);

struct HostValue
{
    std::string id;
    double value = 0.0; // normalized, 0..1
};

// The host parameter values of an 'elck' chunk's data; nothing (and why) when the data is
// damaged, has bytes left over, or holds a value that is not within 0..1.
std::optional<std::vector<HostValue>> decodeHostValues(std::span<const uint8_t> data,
                                                       std::string& error);

// What a plug-in shell needs from a state file: the 'All ' chunk's data and the host
// parameter values (empty when it has no 'elck'). This is the one verdict on a state file
// that every shell and the host give: besides what decode refuses, a file without the 'All '
// chunk, 'All ' data that is not a bank state the preset bank takes whole (BankState.h), and
// damaged 'elck' data (decodeHostValues) are refused.
struct Contents
{
    std::vector<uint8_t> bankState;
    std::vector<HostValue> hostValues;
};
std::optional<Contents> read(std::span<const uint8_t> bytes, std::string& error);
} // namespace statefile
