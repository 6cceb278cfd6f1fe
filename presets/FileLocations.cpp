#include "FileLocations.h"

#include "PresetBank.h"
#include "RegistrySettings.h"

void saveFileLocations(const PresetBank& bank)
{
    productSettings().write({{"CurrDir", platform::StoredValue::text(bank.folder())},
                             {"CurrBank", platform::StoredValue::text(bank.bankFileName())},
                             {"CurrPreset", platform::StoredValue::text(bank.presetFileName())}});
}
