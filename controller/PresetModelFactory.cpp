#include "PresetModelFactory.h"

#include <PresetBank.h>

std::unique_ptr<ORLPresetModel> makePresetModel(ORLMasterController* owner)
{
    return std::make_unique<PresetBank>(owner);
}
