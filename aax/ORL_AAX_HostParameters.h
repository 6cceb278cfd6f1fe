#pragma once

#include "PendingSlots.h"

#include <ORLHostParameters.h>

class AAX_CEffectParameters;

// The AAX host side of the instance's master controller: a change sent to the host becomes
// TouchParameter, SetParameterNormalizedValue and ReleaseParameter of the slot's identifier on
// the effect's parameters object (the host echoes touched changes back through it). The
// internal slots' values wait here for the host's timer thread, which puts them into the
// render callback's private data. Main thread, except takePending (the host's timer thread).
class ORL_AAX_HostParameters final : public ORLHostParameters
{
  public:
    // Main thread. The parameters object that receives the host calls; it outlives this.
    explicit ORL_AAX_HostParameters(AAX_CEffectParameters& parameters) : owner(parameters) {}

    // Hand-over thread (the host's timer thread). true with all 17 pending values (-1.0 for
    // none) when there are any. Lock-free.
    bool takePending(double* out) { return pending.take(out); }

    void touchParameter(int32_t slot) override;
    void setParameterValue(int32_t slot, double value) override;
    void releaseParameter(int32_t slot) override;
    void internalValueSet(int32_t slot, double value) override { pending.store(slot, value); }

  private:
    AAX_CEffectParameters& owner;
    PendingSlots pending;
};
