#pragma once

#include "AAX.h"

class AAX_IController;
class AAX_IPrivateDataAccess;

// The effect's direct-data object (procedure selector 5).
class AAX_IEffectDirectData
{
  public:
    virtual ~AAX_IEffectDirectData() = default;
    // Main thread.
    virtual AAX_Result Initialize(AAX_IController* controller) = 0;
    // Main thread.
    virtual AAX_Result Uninitialize() = 0;
    // Timer thread. access reaches the private data of one render instance.
    virtual AAX_Result TimerWakeup(AAX_IPrivateDataAccess* access) = 0;
};
