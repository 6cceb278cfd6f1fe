#include "FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{
namespace
{
// Opens without blocking (a FIFO would wait for its other end), keeps only a regular file and
// makes its reads and writes blocking again.
int openRegular(const std::string& path, int flags)
{
    // A NUL inside would end the name early and name another file.
    if (path.find('\0') != std::string::npos)
        return -1;
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
    {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::FILE* streamOf(int fd, const char* mode)
{
    if (fd < 0)
        return nullptr;
    std::FILE* file = ::fdopen(fd, mode);
    if (file == nullptr)
        ::close(fd);
    return file;
}
} // namespace

std::FILE* openFile(const std::string& path, const char* mode)
{
    return std::fopen(path.c_str(), mode);
}

std::FILE* openRegularFile(const std::string& path, bool forUpdate)
{
    return streamOf(openRegular(path, forUpdate ? O_RDWR : O_RDONLY), forUpdate ? "r+b" : "rb");
}

std::FILE* createRegularFile(const std::string& path)
{
    // Emptied only once it is known to be a regular file.
    int fd = openRegular(path, O_WRONLY | O_CREAT);
    if (fd >= 0 && ::ftruncate(fd, 0) != 0)
    {
        ::close(fd);
        fd = -1;
    }
    return streamOf(fd, "wb");
}
} // namespace platform
