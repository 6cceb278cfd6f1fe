#pragma once

#include "Renderer.h"
#include "aax_host/EffectInstance.h"
#include "aax_host/PluginLibrary.h"

#include <cstdint>
#include <vector>

// Renders through the loaded plug-in as a host does: one effect instance in the component
// of the layout, parameter changes as host automation delivered before the next block, the
// direct-data object woken by the instance's timer thread, and the plug-in's own meters
// 'mtrI' and 'mtrO' as the peaks. Main (render) thread.
class PluginRenderer final : public Renderer
{
  public:
    // Throws HostError when the plug-in has no component for the layout or the instance
    // cannot be built.
    PluginRenderer(const PluginLibrary& library, Layout layout, double sampleRate);
    ~PluginRenderer() override;

    // Host automation of public slot 0-7, applied before the next block.
    void setParameter(int slot, float value) override;
    void setMasterBypass(bool on) override;
    void renderBlock(const float* const* in, float* const* out, uint32_t frames) override;
    float inputPeak() const override;
    float outputPeak() const override;

    // The user's own edit of slot 0-7 in the host (touch, set, release): it reaches the
    // plug-in's preset bank as a knob turn does, and so its saved state.
    void editParameter(int slot, float value);
    // Host automation of slot 0-7 applied before the block that contains frame.
    void scheduleParameter(int slot, uint64_t frame, float value);
    // The state chunk 'All ', restored as a host restores a project / saved as it saves one.
    AAX_Result restoreState(const std::vector<uint8_t>& chunk);
    AAX_Result saveState(std::vector<uint8_t>& chunk);

    EffectInstance& instance() { return *effect; }

  private:
    struct Scheduled
    {
        uint64_t frame;
        int slot;
        float value;
    };

    std::unique_ptr<EffectInstance> effect;
    std::vector<Scheduled> schedule; // by frame, in the order given
    size_t nextScheduled = 0;
    uint64_t position = 0;
    size_t inputMeter = 0;
    size_t outputMeter = 1;
};

// The component of an effect that takes the layout's channels, or -1.
int componentForLayout(const EffectDescription& effect, Layout layout);
