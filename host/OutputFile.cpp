#include "OutputFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

bool copyFromStart(int from, int to)
{
    if (::lseek(from, 0, SEEK_SET) != 0)
        return false;
    uint8_t buffer[65536];
    for (;;)
    {
        const auto got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!writeAll(to, buffer, static_cast<size_t>(got)))
            return false;
    }
}

bool writeOutputFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error)
{
    OutputFile file;
    if (!file.open(path, error))
        return false;
    if (!writeAll(file.descriptor(), bytes.data(), bytes.size()))
    {
        error = "cannot write '" + path + "': " + std::strerror(errno);
        return false;
    }
    return file.commit(error);
}
