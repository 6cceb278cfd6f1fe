#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Whole binary files for the host's state files. Main thread.

// Reads at most maxSize bytes of a regular file; a larger, unreadable or non-regular file
// (a FIFO is never waited on) is refused with a message. *tooLarge (when given) tells a file
// refused for its size, which is its content's fault rather than the system's.
bool readBinaryFile(const std::string& path, std::vector<uint8_t>& bytes, size_t maxSize,
                    std::string& error, bool* tooLarge = nullptr);

// Writes through an OutputFile (see OutputFile.h for what happens at each kind of path).
bool writeBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes,
                     std::string& error);
