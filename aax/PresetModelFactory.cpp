#include "PresetModelFactory.h"

#include <ORLPresetModel.h>

// The preset bank is not part of this build yet: instances run without a preset model.
std::unique_ptr<ORLPresetModel> makePresetModel(ORLMasterController*)
{
    return nullptr;
}
