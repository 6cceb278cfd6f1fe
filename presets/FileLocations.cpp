#include "FileLocations.h"

#include "PresetBank.h"
#include "RegistrySettings.h"

void saveFileLocations(const PresetBank& bank)
{
    platform::SettingsStore store = productSettings();
    store.write("CurrDir", platform::StoredValue::text(bank.folder()));
    store.write("CurrBank", platform::StoredValue::text(bank.bankFileName()));
    store.write("CurrPreset", platform::StoredValue::text(bank.presetFileName()));
}
