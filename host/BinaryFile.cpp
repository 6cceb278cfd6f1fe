#include "BinaryFile.h"

#include <unistd.h>

#include <cstdio>
#include <memory>

namespace
{
struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;
} // namespace

bool readBinaryFile(const std::string& path, std::vector<uint8_t>& bytes, size_t maxSize,
                    std::string& error)
{
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
    {
        error = "cannot read '" + path + "'";
        return false;
    }
    std::vector<uint8_t> read;
    uint8_t buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
    {
        if (read.size() + got > maxSize)
        {
            error = "'" + path + "' is too large";
            return false;
        }
        read.insert(read.end(), buffer, buffer + got);
    }
    if (std::ferror(file.get()) != 0)
    {
        error = "cannot read '" + path + "'";
        return false;
    }
    bytes = std::move(read);
    return true;
}

bool writeBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error)
{
    const std::string temporary = path + ".part-" + std::to_string(getpid());
    File file(std::fopen(temporary.c_str(), "wb"));
    bool ok = static_cast<bool>(file);
    if (ok && !bytes.empty())
        ok = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    if (file)
        ok = std::fclose(file.release()) == 0 && ok;
    if (!ok || std::rename(temporary.c_str(), path.c_str()) != 0)
    {
        std::remove(temporary.c_str());
        error = "cannot write '" + path + "'";
        return false;
    }
    return true;
}
