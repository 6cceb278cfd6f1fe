#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Whole-file reads and writes of preset and bank images, named by UTF-8 paths. Main thread.

// Files larger than this are read only this far; no valid image comes near it.
inline constexpr size_t kMaxImageFileBytes = 1 << 20;

// The bytes of the file (at most kMaxImageFileBytes); nothing when it cannot be opened or
// read, or is not a regular file (a FIFO is never waited on). forUpdate opens it for reading and
// writing, so that a file the user may not write is not loaded, as the product's own loads do.
std::optional<std::vector<uint8_t>> readImageFile(const std::string& path, bool forUpdate);

// Creates or truncates the file and writes bytes; false when any step failed or the path is
// not a regular file (a FIFO or a device is left alone, never waited on).
bool writeImageFile(const std::string& path, std::span<const uint8_t> bytes);
