#include "OutputFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

namespace
{
std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The path with its symlinks followed to the last one's target (which may not exist yet).
std::string resolve(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops)
    {
        char link[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), link, sizeof link - 1);
        if (length < 0)
            return current;
        link[length] = '\0';
        current = link[0] == '/' ? std::string(link) : folderOf(current) + "/" + link;
    }
    return current;
}

// Temporary files "<name>.part-<pid>" left by writers that were killed.
void removeStaleTemporaries(const std::string& folder, const std::string& name)
{
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir))
    {
        const auto pid = static_cast<pid_t>(temporaryOwner(entry->d_name, name));
        if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlink((folder + "/" + entry->d_name).c_str());
    }
    ::closedir(dir);
}

std::string reason()
{
    return std::strerror(errno);
}
} // namespace

OutputFile::~OutputFile()
{
    abandon();
}

void OutputFile::abandon()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
    if (!temporary.empty())
        ::unlink(temporary.c_str());
    temporary.clear();
}

bool OutputFile::open(const std::string& path, std::string& error)
{
    abandon();
    direct = false;
    unnamed = false;
    target = resolve(path);
    struct stat info
    {
    };
    if (::stat(target.c_str(), &info) == 0)
    {
        if (S_ISDIR(info.st_mode))
        {
            error = "cannot write '" + path + "': it is a folder";
            return false;
        }
        if (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode))
        {
            // Non-blocking open: a FIFO without a reader is refused rather than waited on.
            fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0)
            {
                error = "cannot write '" + path +
                        "': " + (errno == ENXIO ? std::string("no reader on the FIFO") : reason());
                return false;
            }
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
            direct = true;
            return true;
        }
        if (!S_ISREG(info.st_mode))
        {
            error = "cannot write '" + path + "': not a regular file";
            return false;
        }
    }
    const std::string folder = folderOf(target);
    removeStaleTemporaries(folder, nameOf(target));
    fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    unnamed = fd >= 0;
    if (!unnamed)
    {
        temporary = temporaryPath(target, static_cast<unsigned long>(::getpid()));
        fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0)
        {
            error = "cannot write '" + path + "': " + reason();
            temporary.clear();
            return false;
        }
    }
    return true;
}

bool OutputFile::commit(std::string& error)
{
    if (fd < 0)
    {
        error = "cannot write '" + target + "'";
        return false;
    }
    if (direct)
    {
        const bool closed = ::close(fd) == 0;
        fd = -1;
        if (!closed)
            error = "cannot write '" + target + "': " + reason();
        return closed;
    }
    if (unnamed)
    {
        // An unnamed file gets a name only for the instant before the rename.
        temporary = temporaryPath(target, static_cast<unsigned long>(::getpid()));
        ::unlink(temporary.c_str());
        const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
        if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) !=
            0)
        {
            error = "cannot write '" + target + "': " + reason();
            temporary.clear();
            abandon();
            return false;
        }
    }
    const bool synced = ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    fd = -1;
    if (!synced || !closed || std::rename(temporary.c_str(), target.c_str()) != 0)
    {
        error = "cannot write '" + target + "': " + reason();
        abandon();
        return false;
    }
    temporary.clear();
    return true;
}

bool writeAll(int fd, const uint8_t* data, size_t size)
{
    size_t done = 0;
    while (done < size)
    {
        const ssize_t wrote = ::write(fd, data + done, size - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += static_cast<size_t>(wrote);
    }
    return true;
}

int openScratchFile(const std::string& path, std::string& error)
{
    const int fd = ::open("/tmp", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0)
        error = "cannot write '" + path + "': no room for the file in /tmp";
    return fd;
}

int openRegularFile(const std::string& path, std::string& error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
    {
        error = "cannot read '" + path + "': " + reason();
        return -1;
    }
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
    {
        ::close(fd);
        error = "cannot read '" + path + "': not a regular file";
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat first
    {
    };
    struct stat second
    {
    };
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}
