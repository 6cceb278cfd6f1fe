#include "SettingsStore.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{
namespace
{
constexpr const char* kMagic = "ORLSettings 1";
constexpr size_t kMaxStoreBytes = 16u << 20;

uint64_t checksum(const std::string& text)
{
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text)
    {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

const char kHex[] = "0123456789abcdef";

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Bytes that would break a line or a field are written as %xx.
std::string escape(const uint8_t* bytes, size_t size)
{
    std::string out;
    for (size_t i = 0; i < size; ++i)
    {
        const uint8_t c = bytes[i];
        if (c < 0x20 || c == 0x7f || c == '%')
        {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
        else
        {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::optional<std::vector<uint8_t>> unescape(const std::string& text)
{
    std::vector<uint8_t> out;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] != '%')
        {
            out.push_back(static_cast<uint8_t>(text[i]));
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const int high = hexDigit(text[i + 1]), low = hexDigit(text[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out.push_back(static_cast<uint8_t>(high << 4 | low));
        i += 2;
    }
    return out;
}

std::string hexOf(const std::vector<uint8_t>& bytes)
{
    std::string out;
    for (uint8_t c : bytes)
    {
        out += kHex[c >> 4];
        out += kHex[c & 15];
    }
    return out;
}

std::optional<std::vector<uint8_t>> fromHex(const std::string& text)
{
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::vector<uint8_t> out;
    for (size_t i = 0; i < text.size(); i += 2)
    {
        const int high = hexDigit(text[i]), low = hexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    return out;
}

std::vector<std::string> split(const std::string& line, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;)
    {
        const size_t cut = line.find(separator, start);
        parts.push_back(line.substr(start, cut - start));
        if (cut == std::string::npos)
            return parts;
        start = cut + 1;
    }
}

std::optional<std::string> readWholeFile(const std::string& path, bool& present)
{
    present = false;
    // Never blocking on a FIFO put in the store's place: anything but a regular file is
    // present but unreadable, so it is kept aside like a damaged store.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info
    {
    };
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)))
    {
        ::close(fd);
        present = true;
        return std::nullopt;
    }
    std::FILE* file = fd >= 0 ? ::fdopen(fd, "rb") : nullptr;
    if (file == nullptr)
    {
        // Only a file that is not there is missing; one that cannot be read is kept aside.
        present = fd >= 0 || errno != ENOENT;
        if (fd >= 0)
            ::close(fd);
        return std::nullopt;
    }
    present = true;
    std::string text;
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0 && text.size() <= kMaxStoreBytes)
        text.append(chunk, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed || text.size() > kMaxStoreBytes)
        return std::nullopt;
    return text;
}

std::string serialise(const std::map<std::string, StoredValue>& values)
{
    std::string text = std::string(kMagic) + "\n";
    for (const auto& [name, value] : values)
    {
        const auto* nameBytes = reinterpret_cast<const uint8_t*>(name.data());
        text += value.type == StoredType::String ? "s\t" : "b\t";
        text += escape(nameBytes, name.size());
        text += '\t';
        text += value.type == StoredType::String ? escape(value.data.data(), value.data.size())
                                                 : hexOf(value.data);
        text += '\n';
    }
    char end[64];
    std::snprintf(end, sizeof end, "end\t%zu\t%016llx\n", values.size(),
                  static_cast<unsigned long long>(checksum(text)));
    return text + end;
}

std::optional<std::map<std::string, StoredValue>> parse(const std::string& text)
{
    const size_t endLine = text.rfind("\nend\t");
    if (text.empty() || text.back() != '\n' || endLine == std::string::npos)
        return std::nullopt;
    const std::string body = text.substr(0, endLine + 1);
    const auto end = split(text.substr(endLine + 1, text.size() - endLine - 2), '\t');
    char expected[32];
    std::snprintf(expected, sizeof expected, "%016llx",
                  static_cast<unsigned long long>(checksum(body)));
    if (end.size() != 3 || end[2] != expected)
        return std::nullopt;
    auto lines = split(body.substr(0, body.size() - 1), '\n');
    if (lines.empty() || lines[0] != kMagic || end[1] != std::to_string(lines.size() - 1))
        return std::nullopt;
    std::map<std::string, StoredValue> values;
    for (size_t i = 1; i < lines.size(); ++i)
    {
        const auto fields = split(lines[i], '\t');
        if (fields.size() != 3 || (fields[0] != "s" && fields[0] != "b"))
            return std::nullopt;
        const auto name = unescape(fields[1]);
        StoredValue value;
        value.type = fields[0] == "s" ? StoredType::String : StoredType::Binary;
        const auto data =
            value.type == StoredType::String ? unescape(fields[2]) : fromHex(fields[2]);
        if (!name || !data)
            return std::nullopt;
        value.data = *data;
        values[std::string(name->begin(), name->end())] = std::move(value);
    }
    return values;
}

void removeTemporaries(const std::string& file)
{
    const std::filesystem::path path(file);
    const std::string prefix = path.filename().string() + ".tmp-";
    std::error_code error;
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) == 0 && entry.is_regular_file(error))
            std::filesystem::remove(entry.path(), error);
    }
}

bool writeFileSynced(const std::string& path, const std::string& text)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    size_t done = 0;
    while (done < text.size())
    {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
        {
            ::close(fd);
            return false;
        }
        done += static_cast<size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

// Holds an exclusive lock on the store's lock file for the life of the object. A link in
// the lock file's place is refused, never followed to a file someone else chose.
class StoreLock
{
  public:
    explicit StoreLock(const std::string& file)
        : fd(::open((file + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600))
    {
        while (fd >= 0 && ::flock(fd, LOCK_EX) != 0)
        {
            if (errno != EINTR)
            {
                ::close(fd);
                fd = -1;
            }
        }
    }
    ~StoreLock()
    {
        if (fd >= 0)
            ::close(fd);
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    bool held() const { return fd >= 0; }

  private:
    int fd;
};

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr)
        return user->pw_dir;
    return {};
}
} // namespace

std::string userStorePath(const std::string& vendor, const std::string& product,
                          const char* overrideVariable)
{
    const std::string fileName = product + ".settings";
    if (const char* dir = overrideVariable != nullptr ? std::getenv(overrideVariable) : nullptr;
        dir != nullptr && *dir != '\0')
        return (std::filesystem::path(dir) / fileName).string();
    std::filesystem::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/')
        config = xdg;
    else if (const std::string home = homeFolder(); !home.empty())
        config = std::filesystem::path(home) / ".config";
    else
        return {};
    return (config / vendor / fileName).string();
}

std::optional<SettingsStore::Values> SettingsStore::load(bool& damaged) const
{
    damaged = false;
    bool present = false;
    const auto text = file.empty() ? std::nullopt : readWholeFile(file, present);
    if (!text)
    {
        damaged = present;
        return std::nullopt;
    }
    auto values = parse(*text);
    damaged = !values;
    return values;
}

bool SettingsStore::exists() const
{
    bool damaged = false;
    return load(damaged).has_value();
}

StoreStatus SettingsStore::read(const std::string& name, StoredValue& value) const
{
    bool damaged = false;
    const auto values = load(damaged);
    if (!values)
        return kStoreNotFound;
    const auto found = values->find(name);
    if (found == values->end())
        return kStoreNotFound;
    value = found->second;
    return kStoreOk;
}

StoreStatus SettingsStore::write(const std::vector<std::pair<std::string, StoredValue>>& changes)
{
    const int before = errno;
    const StoreStatus status = replace(changes);
    if (status != kStoreOk)
        std::fprintf(stderr, "warning: the settings store %s cannot be written%s%s\n",
                     file.empty() ? "(no home folder)" : ("'" + file + "'").c_str(),
                     errno != before && errno != 0 ? ": " : "",
                     errno != before && errno != 0 ? std::strerror(errno) : "");
    return status;
}

StoreStatus SettingsStore::replace(const std::vector<std::pair<std::string, StoredValue>>& changes)
{
    errno = 0;
    if (file.empty())
        return kStoreFailed;
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    if (!folder.empty())
    {
        std::filesystem::create_directories(folder, error);
        if (error)
            return kStoreFailed;
    }
    StoreLock lock(file);
    if (!lock.held())
        return kStoreFailed;

    bool damaged = false;
    Values values = load(damaged).value_or(Values{});
    if (damaged)
    {
        // Never discard what could not be read: someone may want it back.
        char suffix[64];
        std::snprintf(suffix, sizeof suffix, ".damaged-%lld-%d",
                      static_cast<long long>(std::time(nullptr)), static_cast<int>(::getpid()));
        if (std::rename(file.c_str(), (file + suffix).c_str()) != 0)
            return kStoreFailed;
    }
    for (const auto& [name, value] : changes)
        values[name] = value;

    // Under the lock no other writer has a temporary file: any left are those of writers
    // that were killed.
    removeTemporaries(file);
    const std::string temporary = file + ".tmp-" + std::to_string(::getpid());
    if (!writeFileSynced(temporary, serialise(values)))
    {
        std::remove(temporary.c_str());
        return kStoreFailed;
    }
    if (std::rename(temporary.c_str(), file.c_str()) != 0)
    {
        std::remove(temporary.c_str());
        return kStoreFailed;
    }
    return kStoreOk;
}
} // namespace platform
