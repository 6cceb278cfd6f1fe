#pragma once

#include <memory>

class ORLMasterController;
class ORLPresetModel;

// Makes the instance's preset model (the preset bank, starting as the factory bank) for
// its master controller. Main thread.
std::unique_ptr<ORLPresetModel> makePresetModel(ORLMasterController* owner);
