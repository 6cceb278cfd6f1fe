#include "OutputFile.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
constexpr const char* kTemporaryPrefix = ".ORLtmp-";
// Earlier versions named the temporary file after its target.
constexpr const char* kOldTemporaryMark = ".part-";

// At most 9 digits: any process id or count, and never an overflow.
bool isNumber(const std::string& digits)
{
    return !digits.empty() && digits.size() <= 9 &&
           digits.find_first_not_of("0123456789") == std::string::npos;
}
} // namespace

std::string nextTemporaryName(unsigned long processId)
{
    // A process's count of the temporary files it has made, so that each has a name of its own.
    static std::atomic<unsigned long> count{0};
    return kTemporaryPrefix + std::to_string(processId) + "-" + std::to_string(++count);
}

unsigned long temporaryOwner(const std::string& entryName, const std::string& targetName)
{
    const std::string prefix = kTemporaryPrefix;
    if (entryName.compare(0, prefix.size(), prefix) == 0)
    {
        const std::string rest = entryName.substr(prefix.size());
        const size_t dash = rest.find('-');
        if (dash == std::string::npos || !isNumber(rest.substr(0, dash)) ||
            !isNumber(rest.substr(dash + 1)))
            return 0;
        return std::strtoul(rest.c_str(), nullptr, 10);
    }
    const std::string oldPrefix = targetName + kOldTemporaryMark;
    if (entryName.compare(0, oldPrefix.size(), oldPrefix) != 0)
        return 0;
    const std::string digits = entryName.substr(oldPrefix.size());
    return isNumber(digits) ? std::strtoul(digits.c_str(), nullptr, 10) : 0;
}

void reportRemovedTemporary(const std::string& path, unsigned long processId)
{
    std::fprintf(stderr,
                 "chordwell-host: removed '%s', the unfinished output of an interrupted run "
                 "(process %lu); a --state-out that run put in place may not match the file "
                 "beside it\n",
                 path.c_str(), processId);
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
        error = "cannot write '" + path + "': " + std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    return file.commit(error);
}
