#pragma once

#include "PendingSlots.h"

#include <ORLShellController.h>

class AAX_CEffectParameters;

// The AAX shell's master controller: the shared master controller whose host side is the
// parameters object of the effect, so a change sent to the host becomes TouchParameter,
// SetParameterNormalizedValue and ReleaseParameter of the slot's identifier. The host echoes
// touched changes back through the parameters object (hostParameterEcho). The internal slots'
// values wait here for the host's timer thread, which puts them into the render callback's
// private data. Main thread, except takePending (the host's timer thread).
class ORL_AAX_ControllerWrapper final : public ORLShellController, private ORLHostParameters
{
  public:
    ORL_AAX_ControllerWrapper() = default;

    // Main thread. The parameters object that owns this controller, or null.
    void setOwner(AAX_CEffectParameters* parameters);
    // Hand-over thread (the host's timer thread). true with all 17 pending values (-1.0 for
    // none) when there are any. Lock-free.
    bool takePending(double* out) { return pending.take(out); }

  private:
    void touchParameter(int32_t slot) override;
    void setParameterValue(int32_t slot, double value) override;
    void releaseParameter(int32_t slot) override;
    void internalValueSet(int32_t slot, double value) override { pending.store(slot, value); }

    AAX_CEffectParameters* owner = nullptr;
    PendingSlots pending;
};
