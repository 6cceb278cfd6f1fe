#include "FileAccess.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{
namespace
{
// Opens without blocking (a FIFO would wait for its other end), keeps only a regular file and
// makes its reads and writes blocking again. errno stays as the failed open left it.
int openRegular(const std::string& path, int flags, bool& notRegular)
{
    notRegular = false;
    // A NUL inside would end the name early and name another file.
    if (path.find('\0') != std::string::npos)
    {
        errno = EINVAL;
        return -1;
    }
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
    {
        ::close(fd);
        notRegular = true;
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
    bool notRegular = false;
    return streamOf(openRegular(path, forUpdate ? O_RDWR : O_RDONLY, notRegular),
                    forUpdate ? "r+b" : "rb");
}

int openRegularDescriptor(const std::string& path, bool& notRegular)
{
    return openRegular(path, O_RDONLY, notRegular);
}

std::FILE* createRegularFile(const std::string& path)
{
    // Emptied only once it is known to be a regular file.
    bool notRegular = false;
    int fd = openRegular(path, O_WRONLY | O_CREAT, notRegular);
    if (fd >= 0 && ::ftruncate(fd, 0) != 0)
    {
        ::close(fd);
        fd = -1;
    }
    return streamOf(fd, "wb");
}
} // namespace platform
