#include "HintsFlag.h"

#include "RegistrySettings.h"

#include <ParameterTable.h>

#include <atomic>
#include <mutex>

namespace
{
std::once_flag loaded;
std::atomic<int> flag{1};
} // namespace

void loadHintsFlag()
{
    std::call_once(loaded,
                   []
                   {
                       double value = 1.0;
                       readSetting(chordwell::kHintsSetting, value);
                       flag.store(static_cast<int>(value));
                   });
}

int hintsFlag()
{
    loadHintsFlag();
    return flag.load();
}

void setHintsFlag(int on)
{
    loadHintsFlag();
    flag.store(on);
}

void storeHintsFlag()
{
    writeSetting(chordwell::kHintsSetting, static_cast<double>(hintsFlag()));
}
