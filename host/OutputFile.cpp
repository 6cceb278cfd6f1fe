#include "OutputFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace
{
constexpr const char* kTemporaryMark = ".part-";
} // namespace

std::string temporaryPath(const std::string& target, unsigned long processId)
{
    return target + kTemporaryMark + std::to_string(processId);
}

unsigned long temporaryOwner(const std::string& entryName, const std::string& targetName)
{
    const std::string prefix = targetName + kTemporaryMark;
    if (entryName.compare(0, prefix.size(), prefix) != 0)
        return 0;
    const std::string digits = entryName.substr(prefix.size());
    // At most 9 digits: any process id, and never an overflow.
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos ||
        digits.size() > 9)
        return 0;
    return std::strtoul(digits.c_str(), nullptr, 10);
}

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
