#include "audio/OutputFile.h"

#include "aax_host/windows/SystemText.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>

namespace
{
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

size_t lastSeparator(const std::string& path)
{
    return path.find_last_of("/\\");
}

std::string folderOf(const std::string& path)
{
    const size_t slash = lastSeparator(path);
    if (slash == std::string::npos)
        return ".";
    // "C:\name" and "\name" keep their root.
    return slash == 0 || path[slash - 1] == ':' ? path.substr(0, slash + 1) : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const size_t slash = lastSeparator(path);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string inFolder(const std::string& folder, const std::string& name)
{
    const char last = folder.empty() ? '\\' : folder.back();
    return last == '\\' || last == '/' ? folder + name : folder + "\\" + name;
}

// Opens whatever is at the path only to look at it: no pipe or device is waited on, no file
// is touched. Links are followed.
HANDLE lookAt(const std::wstring& path)
{
    return CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool isFolder(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileInformationByHandle(handle, &info) != 0 &&
           (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The path of the file a handle has open, links resolved, as "C:\..." where it can be.
std::string finalPath(HANDLE handle)
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;)
    {
        const DWORD length =
            GetFinalPathNameByHandleW(handle, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
        if (length == 0)
            return {};
        if (length < buffer.size())
        {
            buffer.resize(length);
            break;
        }
        buffer.assign(length + 1, L'\0');
    }
    if (buffer.rfind(L"\\\\?\\", 0) == 0 && buffer.size() > 6 && buffer[5] == L':')
        buffer.erase(0, 4);
    return platform::windows::narrow(buffer);
}

bool processRunning(DWORD id)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (process == nullptr)
        return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) != 0 && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

// Temporary files left by writers that were killed: ".ORLtmp-<process id>-<n>" of this
// version, "<name>.part-<process id>" of earlier ones.
void removeStaleTemporaries(const std::string& folder, const std::string& name)
{
    for (const std::string& pattern : {std::string(".ORLtmp-*"), name + ".part-*"})
    {
        WIN32_FIND_DATAW entry{};
        HANDLE search = FindFirstFileW(wide(inFolder(folder, pattern)).c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE)
            continue;
        do
        {
            const std::string entryName = platform::windows::narrow(std::wstring(entry.cFileName));
            const auto id = static_cast<DWORD>(temporaryOwner(entryName, name));
            if (id == 0 || processRunning(id) ||
                DeleteFileW(wide(inFolder(folder, entryName)).c_str()) == 0)
                continue;
            reportRemovedTemporary(inFolder(folder, entryName), id);
        } while (FindNextFileW(search, &entry) != 0);
        FindClose(search);
    }
}

// The absolute path the system makes of a path ("." and ".." resolved); links to
// files not yet there are not followed. Empty when it cannot.
std::wstring placeOf(const std::string& path)
{
    const std::wstring widePath = wide(path);
    std::wstring full(32768, L'\0');
    const DWORD length =
        GetFullPathNameW(widePath.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size())
        return {};
    full.resize(length);
    return full;
}

// Names differ in case only on the rare folders that ask for it.
bool samePlace(const std::string& a, const std::string& b)
{
    const std::wstring first = placeOf(a);
    const std::wstring second = placeOf(b);
    return !first.empty() && !second.empty() &&
           CompareStringOrdinal(first.c_str(), -1, second.c_str(), -1, TRUE) == CSTR_EQUAL;
}

int descriptorOf(HANDLE handle, int flags)
{
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY);
    if (fd < 0)
        CloseHandle(handle);
    return fd;
}

// A device such as NUL, or a pipe, as a FIFO on Linux: written directly; a pipe without a
// free end is refused rather than waited on. The descriptor, or -1 with the reason in error.
int openDevice(const std::string& path, const std::wstring& widePath, std::string& error)
{
    HANDLE device = CreateFileW(widePath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE)
    {
        const DWORD code = GetLastError();
        error =
            "cannot write '" + path + "': " +
            (code == ERROR_PIPE_BUSY ? std::string("no reader on the pipe") : systemMessage(code));
        return -1;
    }
    const int fd = descriptorOf(device, 0);
    if (fd < 0)
        error = "cannot write '" + path + "'";
    return fd;
}

// A link to nothing cannot be opened, yet a rename would replace it. Windows shows its
// attributes; Wine shows nothing, but refuses to make a file in its place.
bool isLinkToNothing(const std::wstring& widePath)
{
    if (GetFileAttributesW(widePath.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    HANDLE probe = CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    const bool linkToNothing = probe == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS;
    if (probe != INVALID_HANDLE_VALUE)
        CloseHandle(probe);
    return linkToNothing;
}

// Nothing could be opened at the path (lookedAt: why): true when a new file may go there.
bool freeForNewFile(const std::string& path, const std::wstring& widePath, DWORD lookedAt,
                    std::string& error)
{
    if (lookedAt != ERROR_FILE_NOT_FOUND && lookedAt != ERROR_PATH_NOT_FOUND)
    {
        error = "cannot write '" + path + "': " + systemMessage(lookedAt);
        return false;
    }
    if (isLinkToNothing(widePath))
    {
        error = "cannot write '" + path + "': it is a link to nothing";
        return false;
    }
    return true;
}

// The temporary file beside the target that commit renames onto it, its name in temporary.
// The descriptor, or -1 with the reason in error and temporary empty.
int createTemporary(const std::string& path, const std::string& target, std::string& temporary,
                    std::string& error)
{
    const std::string folder = folderOf(target);
    removeStaleTemporaries(folder, nameOf(target));
    temporary = inFolder(folder, nextTemporaryName(GetCurrentProcessId()));
    HANDLE file =
        CreateFileW(wide(temporary).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        error = "cannot write '" + path + "': " + systemMessage(GetLastError());
        temporary.clear();
        return -1;
    }
    const int fd = descriptorOf(file, 0);
    if (fd < 0)
    {
        error = "cannot write '" + path + "'";
        DeleteFileW(wide(temporary).c_str());
        temporary.clear();
    }
    return fd;
}
} // namespace

OutputFile::~OutputFile()
{
    abandon();
}

void OutputFile::abandon()
{
    if (fd >= 0)
        _close(fd);
    fd = -1;
    if (!temporary.empty())
        DeleteFileW(wide(temporary).c_str());
    temporary.clear();
}

bool OutputFile::open(const std::string& path, std::string& error)
{
    abandon();
    direct = false;
    unnamed = false;
    prepared = false;
    target = path;
    const std::wstring widePath = wide(path);
    HANDLE existing = lookAt(widePath);
    if (existing == INVALID_HANDLE_VALUE)
    {
        if (!freeForNewFile(path, widePath, GetLastError(), error))
            return false;
    }
    else
    {
        const DWORD type = GetFileType(existing);
        const bool folder = isFolder(existing);
        if (type == FILE_TYPE_DISK && !folder)
            target = finalPath(existing);
        CloseHandle(existing);
        if (folder)
        {
            error = "cannot write '" + path + "': it is a folder";
            return false;
        }
        if (type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE)
        {
            fd = openDevice(path, widePath, error);
            direct = fd >= 0;
            return direct;
        }
        if (type != FILE_TYPE_DISK || target.empty())
        {
            error = "cannot write '" + path + "': not a regular file";
            return false;
        }
    }
    fd = createTemporary(path, target, temporary, error);
    return fd >= 0;
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
    if (FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(fd))) == 0)
    {
        error = "cannot write '" + target + "': " + systemMessage(GetLastError());
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
    const bool closed = _close(fd) == 0;
    fd = -1;
    if (direct)
    {
        if (!closed)
            error = "cannot write '" + target + "'";
        return closed;
    }
    if (closed && MoveFileExW(wide(temporary).c_str(), wide(target).c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0)
    {
        temporary.clear();
        prepared = false;
        return true;
    }
    error = "cannot write '" + target + "': " + systemMessage(GetLastError());
    abandon();
    return false;
}

bool writeAll(int fd, const uint8_t* data, size_t size)
{
    constexpr size_t kPiece = size_t{1} << 30;
    size_t done = 0;
    while (done < size)
    {
        const int wrote =
            _write(fd, data + done, static_cast<unsigned>(std::min(size - done, kPiece)));
        if (wrote <= 0)
            return false;
        done += static_cast<size_t>(wrote);
    }
    return true;
}

int openScratchFile(const std::string& path, std::string& error)
{
    wchar_t folder[MAX_PATH + 1];
    wchar_t name[MAX_PATH + 1];
    HANDLE file = INVALID_HANDLE_VALUE;
    if (GetTempPathW(MAX_PATH + 1, folder) != 0 && GetTempFileNameW(folder, L"orl", 0, name) != 0)
    {
        file = CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
                           TRUNCATE_EXISTING, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                           nullptr);
        if (file == INVALID_HANDLE_VALUE)
            DeleteFileW(name);
    }
    const int fd = file == INVALID_HANDLE_VALUE ? -1 : descriptorOf(file, 0);
    if (fd < 0)
        error = "cannot write '" + path + "': no room for the file in the temporary folder";
    return fd;
}

int openRegularFile(const std::string& path, std::string& error)
{
    const std::wstring widePath = wide(path);
    HANDLE existing = lookAt(widePath);
    if (existing == INVALID_HANDLE_VALUE)
    {
        error = "cannot read '" + path + "': " + systemMessage(GetLastError());
        return -1;
    }
    const bool regular = GetFileType(existing) == FILE_TYPE_DISK && !isFolder(existing);
    CloseHandle(existing);
    if (!regular)
    {
        error = "cannot read '" + path + "': not a regular file";
        return -1;
    }
    HANDLE file = CreateFileW(widePath.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        error = "cannot read '" + path + "': " + systemMessage(GetLastError());
        return -1;
    }
    const int fd = descriptorOf(file, _O_RDONLY);
    if (fd < 0)
        error = "cannot read '" + path + "'";
    return fd;
}

bool sameFile(const std::string& a, const std::string& b)
{
    BY_HANDLE_FILE_INFORMATION info[2]{};
    const std::string* paths[2] = {&a, &b};
    for (int i = 0; i < 2; ++i)
    {
        if (paths[i]->empty())
            return false;
        HANDLE file = lookAt(wide(*paths[i]));
        if (file == INVALID_HANDLE_VALUE)
        {
            // Not there yet: the same place under two spellings is still one file.
            return samePlace(a, b);
        }
        const bool known = GetFileInformationByHandle(file, &info[i]) != 0;
        CloseHandle(file);
        if (!known)
            return false;
    }
    return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
           info[0].nFileIndexHigh == info[1].nFileIndexHigh &&
           info[0].nFileIndexLow == info[1].nFileIndexLow;
}

bool isExistingFile(const std::string& path)
{
    HANDLE file = lookAt(wide(path));
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool regular = GetFileType(file) == FILE_TYPE_DISK && !isFolder(file);
    CloseHandle(file);
    return regular;
}
