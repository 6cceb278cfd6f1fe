#pragma once

#include <cstdint>

class ORLPresetModel;

// The hub of parameter traffic between editor, preset model, host and render path.
// The slot order of the operations is fixed. Main thread.
class ORLMasterController
{
  public:
    virtual ~ORLMasterController() = default;
    // Main thread. index: 0-16 slots, 17 bank state slot, 47/48 transfer markers.
    virtual void setParameter(int32_t index, double value) = 0;
    // Main thread. Keeps one value per id in the user's settings store; returns its status.
    virtual int32_t saveGlobalValue(int32_t index, double value) = 0;
    // Main thread. Leaves value alone when nothing valid is stored; returns the status.
    virtual int32_t loadGlobalValue(int32_t index, double& value) = 0;
    // Main thread. The instance's preset model, or null.
    virtual ORLPresetModel* getPresetModel() = 0;
};
