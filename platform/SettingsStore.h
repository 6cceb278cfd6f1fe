#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A per-user store of named, typed values (binary or string) in one file: the place of a
// registry key. Every write replaces the file atomically (temporary file, then rename) while
// holding an exclusive lock on a lock file beside it, so writers in several processes never
// lose each other's values and readers never see half a file. A damaged file reads as a
// missing store; the next write keeps it beside the new one under another name.
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

    static StoredValue binary(const void* bytes, size_t size);
    static StoredValue text(const std::string& text);
};

// Any thread. The store file of a product: $<overrideVariable>/<product>.settings when that
// variable is set and not empty, else <config>/<vendor>/<product>.settings where <config> is
// $XDG_CONFIG_HOME (when absolute) or ~/.config. Empty when no home folder is known.
std::string userStorePath(const std::string& vendor, const std::string& product,
                          const char* overrideVariable);

class SettingsStore
{
  public:
    explicit SettingsStore(std::string file) : file(std::move(file)) {}

    // Any thread. Whether the store exists and is readable (the key exists).
    bool exists() const;
    // Any thread. Reads one value; kStoreNotFound when the store or the value is missing or
    // the store file is damaged.
    StoreStatus read(const std::string& name, StoredValue& value) const;
    // Any thread. Writes one value, creating the store and its folder when missing; every
    // other value is kept.
    StoreStatus write(const std::string& name, const StoredValue& value);
    // Any thread. Writes several values in one replacement of the file: all or none.
    // A failed write is also told on stderr, whichever program the plug-in runs in: settings
    // that silently go missing are worse than a line in the host's log.
    StoreStatus write(const std::vector<std::pair<std::string, StoredValue>>& values);

    const std::string& path() const { return file; }

  private:
    StoreStatus replace(const std::vector<std::pair<std::string, StoredValue>>& values);
    using Values = std::map<std::string, StoredValue>;
    // The values of the file; nothing when missing or damaged (damaged set when present but
    // not readable as a store).
    std::optional<Values> load(bool& damaged) const;

    std::string file;
};
} // namespace platform
