#include "AAX_CEffectGUI.h"

#include "AAX_IHostInterfaces.h"

AAX_Result AAX_CEffectGUI::Initialize(AAX_IController* hostController)
{
    controller = hostController;
    CreateViewContents();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Uninitialize()
{
    DeleteViewContainer();
    controller = nullptr;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::CreateViewContainer(int32_t type, void* native)
{
    containerType = type;
    nativeView = native;
    CreateViewContainerContents();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::DeleteViewContainer()
{
    if (nativeView != nullptr || containerType != AAX_eViewContainer_Type_NULL)
        DeleteViewContainerContents();
    containerType = AAX_eViewContainer_Type_NULL;
    nativeView = nullptr;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::GetViewSize(AAX_Point* size) const
{
    if (size == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *size = AAX_Point{};
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::ParameterUpdated(AAX_CParamID)
{
    return AAX_SUCCESS;
}

AAX_IEffectParameters* AAX_CEffectGUI::GetEffectParameters() const
{
    return controller != nullptr ? controller->GetEffectParameters() : nullptr;
}
