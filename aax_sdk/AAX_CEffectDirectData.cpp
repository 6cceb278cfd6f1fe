#include "AAX_CEffectDirectData.h"

#include "AAX_IHostInterfaces.h"

AAX_Result AAX_CEffectDirectData::Initialize(AAX_IController* hostController)
{
    controller = hostController;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectDirectData::Uninitialize()
{
    controller = nullptr;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectDirectData::TimerWakeup(AAX_IPrivateDataAccess* access)
{
    if (access == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return TimerWakeup_PrivateDataAccess(access);
}

AAX_IEffectParameters* AAX_CEffectDirectData::GetEffectParameters() const
{
    return controller != nullptr ? controller->GetEffectParameters() : nullptr;
}
