#include "FileAccess.h"

#include "Utf16.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace platform
{
namespace
{
std::optional<std::wstring> widePath(const std::string& path)
{
    if (path.empty())
        return std::nullopt;
    return windows::widenName(path);
}

// Opens with CreateFileW and keeps only a file on a disk: a device (NUL, CON, COM1, also as
// "NUL.orl") or a pipe would swallow the bytes or wait. Shared as POSIX files are, so that
// another program reading the file at the same moment does not make this open fail. The C
// runtime's descriptor, or -1; GetLastError stays as a failed open left it.
int openRegularDescriptor(const std::string& path, DWORD access, DWORD disposition, int crtFlags,
                          bool empty, bool& notRegular)
{
    notRegular = false;
    const auto wide = widePath(path);
    if (!wide)
    {
        SetLastError(ERROR_INVALID_NAME);
        return -1;
    }
    HANDLE handle =
        CreateFileW(wide->c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return -1;
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    {
        CloseHandle(handle);
        notRegular = true;
        return -1;
    }
    if (empty && !SetEndOfFile(handle))
    {
        CloseHandle(handle);
        return -1;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), crtFlags | _O_BINARY);
    if (fd < 0)
        CloseHandle(handle);
    return fd;
}

std::FILE* openRegular(const std::string& path, DWORD access, DWORD disposition, int crtFlags,
                       const char* mode, bool empty)
{
    bool notRegular = false;
    const int fd = openRegularDescriptor(path, access, disposition, crtFlags, empty, notRegular);
    if (fd < 0)
        return nullptr;
    std::FILE* file = _fdopen(fd, mode);
    if (file == nullptr)
        _close(fd);
    return file;
}
} // namespace

std::FILE* openFile(const std::string& path, const char* mode)
{
    const auto wide = widePath(path);
    const auto wideMode = windows::widen(mode != nullptr ? mode : "");
    if (!wide || !wideMode)
        return nullptr;
    return _wfopen(wide->c_str(), wideMode->c_str());
}

std::FILE* openRegularFile(const std::string& path, bool forUpdate)
{
    return forUpdate ? openRegular(path, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING, _O_RDWR,
                                   "r+b", false)
                     : openRegular(path, GENERIC_READ, OPEN_EXISTING, _O_RDONLY, "rb", false);
}

int openRegularDescriptor(const std::string& path, bool& notRegular)
{
    return openRegularDescriptor(path, GENERIC_READ, OPEN_EXISTING, _O_RDONLY, false, notRegular);
}

std::FILE* createRegularFile(const std::string& path)
{
    // Emptied only once it is known to be a file on a disk (a new file is at its start).
    return openRegular(path, GENERIC_WRITE, OPEN_ALWAYS, _O_WRONLY, "wb", true);
}
} // namespace platform
