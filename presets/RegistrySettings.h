#pragma once

#include <SettingsStore.h>

#include <cstdint>
#include <string>

// The product's per-user settings: on Windows the registry key
// HKEY_CURRENT_USER\SOFTWARE\Orlund\ORLChordwell, on Linux one store file in its place,
// ~/.config/Orlund/ORLChordwell.settings. The environment variable below moves either away
// from the user's own settings (see platform::userStorePath). Every access opens and closes
// the store itself. Main thread.

inline constexpr const char* kStoreFolderVariable = "ORL_CHORDWELL_STORE_DIR";

// Main thread. The product's store, located afresh at each call.
platform::SettingsStore productSettings();

// Main thread. The value name of a numbered setting: "ORLChordwell: %d".
std::string settingName(int32_t id);

// Main thread. Stores value as a 4-byte float under the setting's name; returns the store's
// status (0 success).
int32_t writeSetting(int32_t id, double value);

// Main thread. Replaces value with the stored one only when it is exactly 4 bytes holding a
// float within 0.0..1.0; anything else leaves the caller's default. Returns the status of
// opening the store.
int32_t readSetting(int32_t id, double& value);
