#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Whole binary files for the host's state files. Main thread.

// Reads at most maxSize bytes; a larger or unreadable file is refused with a message.
bool readBinaryFile(const std::string& path, std::vector<uint8_t>& bytes, size_t maxSize,
                    std::string& error);

// Writes through a temporary file beside the target, renamed into place when complete.
bool writeBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes,
                     std::string& error);
