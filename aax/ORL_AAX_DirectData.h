#pragma once

#include "LiveObjects.h"

#include <AAX_CEffectDirectData.h>
#include <ParameterTable.h>

// Moves the master controller's pending internal slot values into the parameter cache of a
// render instance's private data, woken by the host's timer thread.
class ORL_AAX_DirectData final : public AAX_CEffectDirectData, private LiveObject
{
  public:
    // Main thread.
    ORL_AAX_DirectData();

  protected:
    // Timer thread. Read-modify-write of the whole 68-byte cache; entries 0-7 go back as read.
    AAX_Result TimerWakeup_PrivateDataAccess(AAX_IPrivateDataAccess* access) override;

  private:
    double buffer[chordwell::kSlotCount];
};
