#include "RegistrySettings.h"

#include <cstdio>
#include <cstring>

platform::SettingsStore productSettings()
{
    return platform::SettingsStore(
        platform::userStorePath("Orlund", "ORLChordwell", kStoreFolderVariable));
}

std::string settingName(int32_t id)
{
    char name[32];
    std::snprintf(name, sizeof name, "ORLChordwell: %d", static_cast<int>(id));
    return name;
}

int32_t writeSetting(int32_t id, double value)
{
    const auto stored = static_cast<float>(value);
    return productSettings().write(settingName(id),
                                   platform::StoredValue::binary(&stored, sizeof stored));
}

int32_t readSetting(int32_t id, double& value)
{
    const platform::SettingsStore store = productSettings();
    if (!store.exists())
        return platform::kStoreNotFound;
    platform::StoredValue stored;
    if (store.read(settingName(id), stored) != platform::kStoreOk ||
        stored.data.size() != sizeof(float))
        return platform::kStoreOk;
    float number = -1.0f;
    std::memcpy(&number, stored.data.data(), sizeof number);
    if (number >= 0.0f && number <= 1.0f)
        value = number;
    return platform::kStoreOk;
}
