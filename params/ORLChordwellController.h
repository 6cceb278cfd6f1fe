#pragma once

#include "ORLBaseParametersController.h"

class ORLMasterController;

// The product controller: its state image is the preset model's host state. Main thread.
class ORLChordwellController final : public ORLBaseParametersController
{
  public:
    explicit ORLChordwellController(ORLMasterController* owner) : owner(owner) {}

    void parameterChanged(int32_t index, double value) override;
    int32_t getStateImage(const void** image) override;
    // Applies the bank, hands the bank state value to slot 17, commits every preset, then
    // sends the current preset's eight values to the owner (and so to the host).
    bool setStateImage(const void* data, int32_t size, const void* chunkHeader) override;
    void reserved() override;

  private:
    ORLMasterController* owner;
};
