#pragma once

#include <ORLShellController.h>

class AAX_CEffectParameters;

// The AAX shell's master controller: the shared master controller whose host side is the
// parameters object of the effect, so a change sent to the host becomes TouchParameter,
// SetParameterNormalizedValue and ReleaseParameter of the slot's identifier. The host echoes
// touched changes back through the parameters object (hostParameterEcho). Main thread,
// except takePending (the host's timer thread).
class ORL_AAX_ControllerWrapper final : public ORLShellController, private ORLHostParameters
{
  public:
    ORL_AAX_ControllerWrapper() = default;

    // Main thread. The parameters object that owns this controller, or null.
    void setOwner(AAX_CEffectParameters* parameters);

  private:
    void touchParameter(int32_t slot) override;
    void setParameterValue(int32_t slot, double value) override;
    void releaseParameter(int32_t slot) override;

    AAX_CEffectParameters* owner = nullptr;
};
