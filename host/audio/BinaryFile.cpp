#include "BinaryFile.h"

#include "OutputFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

bool readBinaryFile(const std::string& path, std::vector<uint8_t>& bytes, size_t maxSize,
                    std::string& error, bool* tooLarge)
{
    if (tooLarge != nullptr)
        *tooLarge = false;
    const int fd = openRegularFile(path, error);
    if (fd < 0)
        return false;
    std::vector<uint8_t> read;
    uint8_t buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) != 0)
    {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
        {
            ::close(fd);
            error = "cannot read '" + path + "': " + std::strerror(errno);
            return false;
        }
        if (read.size() + static_cast<size_t>(got) > maxSize)
        {
            ::close(fd);
            error = "'" + path + "' is too large";
            if (tooLarge != nullptr)
                *tooLarge = true;
            return false;
        }
        read.insert(read.end(), buffer, buffer + got);
    }
    ::close(fd);
    bytes = std::move(read);
    return true;
}

bool writeBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error)
{
    return writeOutputFile(path, bytes, error);
}
