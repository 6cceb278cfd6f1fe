#pragma once

#include "AAX_IEffectDirectData.h"

class AAX_IEffectParameters;

// Base of an effect's direct-data object: keeps the host controller and hands each timer
// wakeup to TimerWakeup_PrivateDataAccess.
class AAX_CEffectDirectData : public AAX_IEffectDirectData
{
  public:
    // Main thread.
    AAX_Result Initialize(AAX_IController* controller) override;
    // Main thread.
    AAX_Result Uninitialize() override;
    // Timer thread.
    AAX_Result TimerWakeup(AAX_IPrivateDataAccess* access) override;

  protected:
    // Timer thread. Default: nothing to do.
    virtual AAX_Result TimerWakeup_PrivateDataAccess(AAX_IPrivateDataAccess*)
    {
        return AAX_SUCCESS;
    }
    // Any thread. The parameters object of the same effect instance, or null.
    AAX_IEffectParameters* GetEffectParameters() const;

  private:
    AAX_IController* controller = nullptr;
};
