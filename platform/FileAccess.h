#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// Files named by UTF-8 paths. On Windows the C library's narrow names go through the ANSI
// code page, which cannot name a folder such as "Préréglages ♪": every file the product opens
// by a path it was given goes through here.
namespace platform
{
// Any thread. fopen of path with the C library's mode ("rb", "wb", ...); null on failure.
std::FILE* openFile(const std::string& path, const char* mode);

// Any thread. Opens an existing regular file for reading ("rb"), or for reading and writing
// ("r+b") when forUpdate, so that a file the user may not write is refused. Anything but a
// regular file (a folder, a FIFO, a device) is refused without being waited on. Null on
// failure.
std::FILE* openRegularFile(const std::string& path, bool forUpdate);

// Any thread. As openRegularFile for reading, as the system's descriptor (POSIX, or the C
// runtime's on Windows) for readers that take one; -1 on failure. notRegular then says whether
// something other than a regular file is there; otherwise the system's last error (errno,
// GetLastError) says why.
int openRegularDescriptor(const std::string& path, bool& notRegular);

// Any thread. Opens path for writing ("wb"), creating it when missing and emptying it when it
// is a regular file; a FIFO or a device in its place is left alone and never waited on. Null
// on failure.
std::FILE* createRegularFile(const std::string& path);

// Any thread. The std::filesystem path of a UTF-8 path, and back; a path built from a
// std::string directly would be read in the ANSI code page on Windows.
inline std::filesystem::path pathFromUtf8(const std::string& path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}
inline std::string utf8FromPath(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}
} // namespace platform
