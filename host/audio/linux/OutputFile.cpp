#include "audio/OutputFile.h"

#include <FileAccess.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <optional>

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

// The kernel's own limit on the links it follows in one path.
constexpr int kMaxLinks = 40;

// The path with its symlinks followed to the last one's target (which may not exist yet).
// Nothing when a link cannot be resolved: a loop, a longer chain, an empty link.
std::optional<std::string> resolve(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops <= kMaxLinks; ++hops)
    {
        char link[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), link, sizeof link - 1);
        if (length < 0)
            return current;
        if (length == 0 || hops == kMaxLinks)
            return std::nullopt;
        link[length] = '\0';
        current = link[0] == '/' ? std::string(link) : folderOf(current) + "/" + link;
    }
    return std::nullopt;
}

// Temporary files left by writers that were killed: ".ORLtmp-<pid>-<n>" of this version,
// "<name>.part-<pid>" of earlier ones.
void removeStaleTemporaries(const std::string& folder, const std::string& name)
{
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir))
    {
        const auto pid = static_cast<pid_t>(temporaryOwner(entry->d_name, name));
        if (pid <= 0 || ::kill(pid, 0) == 0 || errno != ESRCH ||
            ::unlinkat(::dirfd(dir), entry->d_name, 0) != 0)
            continue;
        // Where the file system has unnamed files, a named temporary file exists only between
        // a finished write and its rename (elsewhere, and in the earlier form, for the whole
        // write).
        reportRemovedTemporary(folder + "/" + entry->d_name, static_cast<unsigned long>(pid));
    }
    ::closedir(dir);
}

// Gives the new file the permissions of the one it replaces, and its owner and group where
// the process may (a user may keep the group of a file of their own; only root the owner).
// The mode comes last: a change of owner clears its set-id bits.
void keepOwnership(int fd, const struct stat& old)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    ::fchmod(fd, old.st_mode & 07777);
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
    prepared = false;
    const auto resolved = resolve(path);
    if (!resolved)
    {
        error = "cannot write '" + path + "': " + std::strerror(ELOOP);
        return false;
    }
    target = *resolved;
    struct stat info
    {
    };
    const bool replacing = ::stat(target.c_str(), &info) == 0;
    if (replacing)
    {
        if (S_ISDIR(info.st_mode))
        {
            error = "cannot write '" + path + "': it is a folder";
            return false;
        }
        if (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode))
        {
            // A reader that leaves early makes the write fail with EPIPE instead.
            ::signal(SIGPIPE, SIG_IGN);
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
    else if (errno != ENOENT)
    {
        error = "cannot write '" + path + "': " + reason();
        return false;
    }
    const std::string folder = folderOf(target);
    removeStaleTemporaries(folder, nameOf(target));
    fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    unnamed = fd >= 0;
    if (!unnamed)
    {
        temporary = folder + "/" + nextTemporaryName(static_cast<unsigned long>(::getpid()));
        fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0)
        {
            error = "cannot write '" + path + "': " + reason();
            temporary.clear();
            return false;
        }
    }
    if (replacing)
        keepOwnership(fd, info);
    return true;
}

bool OutputFile::prepare(std::string& error)
{
    if (fd < 0)
    {
        error = "cannot write '" + target + "'";
        return false;
    }
    if (direct || prepared)
        return true;
    if (unnamed)
    {
        // An unnamed file gets a name only for the instant before the rename.
        temporary =
            folderOf(target) + "/" + nextTemporaryName(static_cast<unsigned long>(::getpid()));
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
    if (::fsync(fd) != 0)
    {
        error = "cannot write '" + target + "': " + reason();
        abandon();
        return false;
    }
    prepared = true;
    return true;
}

bool OutputFile::commit(std::string& error)
{
    if (!prepare(error))
        return false;
    const bool closed = ::close(fd) == 0;
    fd = -1;
    if (direct)
    {
        if (!closed)
            error = "cannot write '" + target + "': " + reason();
        return closed;
    }
    if (!closed || std::rename(temporary.c_str(), target.c_str()) != 0)
    {
        error = "cannot write '" + target + "': " + reason();
        abandon();
        return false;
    }
    temporary.clear();
    prepared = false;
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
    bool notRegular = false;
    const int fd = platform::openRegularDescriptor(path, notRegular);
    if (fd < 0)
        error = "cannot read '" + path + "': " + (notRegular ? "not a regular file" : reason());
    return fd;
}

namespace
{
// The absolute place a path names: links followed, its folder resolved by the system and the
// name appended. Empty when the folder cannot be resolved.
std::string placeOf(const std::string& path)
{
    const auto resolved = resolve(path);
    if (!resolved)
        return {};
    char folder[PATH_MAX];
    if (::realpath(folderOf(*resolved).c_str(), folder) == nullptr)
        return {};
    const std::string name = nameOf(*resolved);
    if (name.empty() || name == "." || name == "..")
        return {};
    return std::string(folder) + (std::strcmp(folder, "/") == 0 ? "" : "/") + name;
}
} // namespace

bool sameFile(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty())
        return false;
    struct stat first
    {
    };
    struct stat second
    {
    };
    const bool firstThere = ::stat(a.c_str(), &first) == 0;
    const bool secondThere = ::stat(b.c_str(), &second) == 0;
    if (firstThere && secondThere)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    const std::string place = placeOf(a);
    return !place.empty() && place == placeOf(b);
}

bool isExistingFile(const std::string& path)
{
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
