#include "ImageFile.h"

#include <FileAccess.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace
{
struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;
} // namespace

std::optional<std::vector<uint8_t>> readImageFile(const std::string& path, bool forUpdate)
{
    // Only regular files: opening a FIFO for reading would wait for a writer forever.
    FileHandle file(platform::openRegularFile(path, forUpdate));
    if (!file)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    uint8_t chunk[4096];
    while (bytes.size() < kMaxImageFileBytes)
    {
        const size_t want = std::min(sizeof chunk, kMaxImageFileBytes - bytes.size());
        const size_t got = std::fread(chunk, 1, want, file.get());
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (got < want)
            break;
    }
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

bool writeImageFile(const std::string& path, std::span<const uint8_t> bytes)
{
    // A FIFO or device at the path would block or swallow the image: only a regular file,
    // new or old, is written.
    std::FILE* file = platform::createRegularFile(path);
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
