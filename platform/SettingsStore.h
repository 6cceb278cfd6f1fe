#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A per-user store of named, typed values (binary or string; names and strings UTF-8).
// Windows: a registry key under HKEY_CURRENT_USER, opened and closed by every call; binary
// values are REG_BINARY, strings REG_SZ in UTF-16 with their terminating NUL, and value names
// are compared regardless of case, as the registry does.
// Linux: one file in the place of the key. Every write replaces the file atomically
// (temporary file, then rename) while holding an exclusive lock on a lock file beside it, so
// writers in several processes never lose each other's values and readers never see half a
// file. A damaged file reads as a missing store; the next write keeps it beside the new one
// under another name.
namespace platform
{
// Results in the registry's terms: 0 success, 2 store or value missing, 5 failure.
enum StoreStatus : int32_t
{
    kStoreOk = 0,
    kStoreNotFound = 2,
    kStoreFailed = 5,
};

enum class StoredType : uint8_t
{
    Binary,
    String,
};

struct StoredValue
{
    StoredType type = StoredType::Binary;
    std::vector<uint8_t> data;

    // Any thread. A copy of size bytes; a string value of the text's bytes.
    static StoredValue binary(const void* bytes, size_t size);
    static StoredValue text(const std::string& text);
};

// Any thread. Where a product's store is. overrideVariable, when set and not empty, moves it
// away from the user's own settings (tests).
// Windows: the key path below HKEY_CURRENT_USER, SOFTWARE\<vendor>\<product>; moved, the
// sibling key SOFTWARE\<vendor>\<product>-test-<tag>, where <tag> is the variable's value
// with every character other than A-Z a-z 0-9 . _ - made '_', and a value longer than 64
// bytes tagged by 8 hex digits of its FNV-1a hash, '-' and the last 48 of those characters.
// Linux: the store file, $<overrideVariable>/<product>.settings when moved, else
// <config>/<vendor>/<product>.settings where <config> is $XDG_CONFIG_HOME (when absolute) or
// ~/.config. Empty when no home folder is known.
std::string userStorePath(const std::string& vendor, const std::string& product,
                          const char* overrideVariable);

class SettingsStore
{
  public:
    // Any thread. The store at path, as userStorePath gives it; an empty path is a store
    // that cannot be read or written.
    explicit SettingsStore(std::string file) : file(std::move(file)) {}

    // Any thread. Whether the store exists and is readable (the key exists).
    bool exists() const;
    // Any thread. Reads one value, of its stored size; kStoreNotFound when the store or the
    // value is missing or the store file is damaged. Windows: kStoreFailed when the registry
    // refuses the read or the value is larger than 16 MiB; a registry string (REG_SZ,
    // REG_EXPAND_SZ unexpanded) reads as String without its terminating NUL, any other type
    // as Binary.
    StoreStatus read(const std::string& name, StoredValue& value) const;
    // Any thread. Writes one value, creating the store (and its folder) when missing; every
    // other value is kept. A name or string that is not UTF-8 is refused on Windows.
    StoreStatus write(const std::string& name, const StoredValue& value)
    {
        return write({{name, value}});
    }
    // Any thread. Writes several values. Linux: in one replacement of the file, all or none.
    // Windows: the registry has no file to replace at once; the values are written in order
    // and a failure leaves those before it written.
    // A failed write is also told on stderr, whichever program the plug-in runs in: settings
    // that silently go missing are worse than a line in the host's log.
    StoreStatus write(const std::vector<std::pair<std::string, StoredValue>>& values);

    // Any thread. The path it was made with: the store file, or the key below
    // HKEY_CURRENT_USER.
    const std::string& path() const { return file; }

  private:
    // Linux: the file's values and its atomic replacement.
    StoreStatus replace(const std::vector<std::pair<std::string, StoredValue>>& values);
    using Values = std::map<std::string, StoredValue>;
    // The values of the file; nothing when missing or damaged (damaged set when present but
    // not readable as a store).
    std::optional<Values> load(bool& damaged) const;

    std::string file;
};
} // namespace platform
