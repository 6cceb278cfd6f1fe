#include "ORL_AAX_DirectData.h"

#include "ChordwellContext.h"
#include "ORL_QcWl_0x011005_AAX_Parameters_Wrapper.h"

#include <AAX_IHostInterfaces.h>

ORL_AAX_DirectData::ORL_AAX_DirectData()
{
    for (double& value : buffer)
        value = -1.0;
}

AAX_Result ORL_AAX_DirectData::TimerWakeup_PrivateDataAccess(AAX_IPrivateDataAccess* access)
{
    auto* parameters =
        dynamic_cast<ORL_QcWl_0x011005_AAX_Parameters_Wrapper*>(GetEffectParameters());
    if (parameters == nullptr)
        return AAX_SUCCESS;
    if (!parameters->takePending(buffer))
        return AAX_SUCCESS;
    float cache[chordwell::kSlotCount];
    const AAX_Result read =
        access->ReadPortDirect(chordwell::field::kParameterCache, 0, sizeof cache, cache);
    if (read != AAX_SUCCESS)
        return read;
    for (int slot = chordwell::kPublicSlotCount; slot < chordwell::kSlotCount; ++slot)
    {
        if (!(buffer[slot] == -1.0))
        {
            cache[slot] = static_cast<float>(buffer[slot]);
            buffer[slot] = -1.0;
        }
    }
    return access->WritePortDirect(chordwell::field::kParameterCache, 0, sizeof cache, cache);
}
