#include "SettingsStore.h"

#include "Utf16.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <windows.h>

namespace platform
{
namespace
{
// Far above any value of the product (a memo is 465 bytes); a larger one is not read.
constexpr DWORD kMaxValueBytes = 16u << 20;
constexpr size_t kMaxTagBytes = 64;
constexpr size_t kTagTailBytes = 48;

StoreStatus statusOf(LSTATUS status)
{
    if (status == ERROR_SUCCESS)
        return kStoreOk;
    if (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND)
        return kStoreNotFound;
    return kStoreFailed;
}

// The store's key, open for the life of the object. Readers never create it.
class Key
{
  public:
    Key(const std::string& path, bool forWriting)
    {
        const auto widePath = windows::widenName(path);
        if (path.empty() || !widePath)
        {
            // No key by that name can exist (and an empty path would be HKEY_CURRENT_USER).
            status = ERROR_FILE_NOT_FOUND;
            return;
        }
        status = forWriting ? RegCreateKeyExW(HKEY_CURRENT_USER, widePath->c_str(), 0, nullptr, 0,
                                              KEY_WRITE, nullptr, &handle, nullptr)
                            : RegOpenKeyExW(HKEY_CURRENT_USER, widePath->c_str(), 0,
                                            KEY_QUERY_VALUE, &handle);
        if (status != ERROR_SUCCESS)
            handle = nullptr;
    }
    ~Key()
    {
        if (handle != nullptr)
            RegCloseKey(handle);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    HKEY handle = nullptr;
    LSTATUS status = ERROR_SUCCESS;
};

StoredValue valueOf(DWORD type, const std::vector<uint8_t>& bytes)
{
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return StoredValue::binary(bytes.data(), bytes.size());
    // Written by anyone: maybe without its NUL, maybe of an odd size. Copied out rather than
    // read in place, as the bytes need not be aligned for UTF-16 units.
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    if (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return StoredValue::text(windows::narrow(text));
}

LSTATUS writeValue(HKEY key, const std::string& name, const StoredValue& value)
{
    const auto wide = windows::widenName(name);
    if (!wide)
        return ERROR_INVALID_NAME;
    if (value.type == StoredType::String)
    {
        // Every byte of the text, then the NUL a registry string ends with.
        auto text = windows::widen(std::string(value.data.begin(), value.data.end()));
        if (!text || text->size() >= kMaxValueBytes / sizeof(wchar_t))
            return ERROR_INVALID_DATA;
        text->push_back(L'\0');
        return RegSetValueExW(key, wide->c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(text->data()),
                              static_cast<DWORD>(text->size() * sizeof(wchar_t)));
    }
    if (value.data.size() > kMaxValueBytes)
        return ERROR_INVALID_DATA;
    static const BYTE nothing = 0;
    return RegSetValueExW(key, wide->c_str(), 0, REG_BINARY,
                          value.data.empty() ? &nothing : value.data.data(),
                          static_cast<DWORD>(value.data.size()));
}

uint32_t fnv1a(const std::string& text)
{
    uint32_t hash = 2166136261u;
    for (unsigned char c : text)
    {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}

std::string keyTag(const std::string& value)
{
    std::string tag;
    const size_t start = value.size() > kMaxTagBytes ? value.size() - kTagTailBytes : 0;
    for (size_t i = start; i < value.size(); ++i)
    {
        const char c = value[i];
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
        tag += kept ? c : '_';
    }
    if (start == 0)
        return tag;
    char hash[16];
    std::snprintf(hash, sizeof hash, "%08x-", static_cast<unsigned>(fnv1a(value)));
    return hash + tag;
}
} // namespace

std::string userStorePath(const std::string& vendor, const std::string& product,
                          const char* overrideVariable)
{
    std::string key = "SOFTWARE\\" + vendor + "\\" + product;
    // Tests get a key of their own beside the product's, never the user's values.
    if (const char* tag = overrideVariable != nullptr ? std::getenv(overrideVariable) : nullptr;
        tag != nullptr && *tag != '\0')
        key += "-test-" + keyTag(tag);
    return key;
}

bool SettingsStore::exists() const
{
    return Key(file, false).handle != nullptr;
}

StoreStatus SettingsStore::read(const std::string& name, StoredValue& value) const
{
    const auto wide = windows::widenName(name);
    if (!wide)
        return kStoreNotFound;
    const Key key(file, false);
    if (key.handle == nullptr)
        return statusOf(key.status);
    // The size first, then the bytes; a value that grew in between is asked for again.
    for (int attempt = 0; attempt < 4; ++attempt)
    {
        DWORD type = 0, size = 0;
        LSTATUS status =
            RegQueryValueExW(key.handle, wide->c_str(), nullptr, &type, nullptr, &size);
        if (status != ERROR_SUCCESS)
            return statusOf(status);
        if (size > kMaxValueBytes)
            return kStoreFailed;
        std::vector<uint8_t> bytes(size);
        DWORD got = size;
        status = RegQueryValueExW(key.handle, wide->c_str(), nullptr, &type,
                                  bytes.empty() ? nullptr : bytes.data(), &got);
        if (status == ERROR_MORE_DATA)
            continue;
        if (status != ERROR_SUCCESS)
            return statusOf(status);
        bytes.resize(std::min(got, size));
        value = valueOf(type, bytes);
        return kStoreOk;
    }
    return kStoreFailed;
}

StoreStatus SettingsStore::write(const std::vector<std::pair<std::string, StoredValue>>& changes)
{
    const Key key(file, true);
    LSTATUS status = key.status;
    for (auto change = changes.begin(); status == ERROR_SUCCESS && change != changes.end();
         ++change)
        status = writeValue(key.handle, change->first, change->second);
    if (status == ERROR_SUCCESS)
        return kStoreOk;
    std::fprintf(stderr,
                 "warning: the settings store 'HKEY_CURRENT_USER\\%s' cannot be written "
                 "(error %ld)\n",
                 file.c_str(), static_cast<long>(status));
    return kStoreFailed;
}
} // namespace platform
