#pragma once

#include <cstddef>
#include <cstdint>

// What the controllers need of the preset model (the instance's preset bank), kept abstract
// so this layer does not depend on the bank's storage, files or registry.
// Main thread only: the audio path never reaches the preset model.
class ORLPresetModel
{
  public:
    virtual ~ORLPresetModel() = default;

    // Main thread. A change of public slot p to v from the master controller (clamped and
    // spread to every preset for the shared slots, marks the current preset edited).
    virtual void setParameterValue(int32_t p, double v) = 0;
    // Main thread. Builds the host state (8-byte prefix + bank image) and returns it; the
    // block stays valid until the next call. size receives its length in bytes.
    virtual const uint8_t* makeHostState(int32_t& size) = 0;
    // Main thread. Lays a host state block onto the working bank, reading nothing beyond
    // `size` bytes. False when the block is refused or carries no preset: then nothing
    // changed.
    virtual bool applyHostState(const uint8_t* block, size_t size) = 0;
    // Main thread. The value carried in every image header beside the presets.
    virtual uint32_t extraHeaderValue() const = 0;
    // Main thread. stored = working for preset `index`; clears its edited flag.
    virtual void commitPreset(int32_t index) = 0;
    virtual int32_t currentIndex() const = 0;
    // Main thread. The current preset's working value of public slot 0-7; false when the
    // model has no working bank.
    virtual bool currentValue(int slot, double& value) const = 0;
};
