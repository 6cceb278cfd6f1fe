#include "AAX_CEffectGUI.h"

#include "AAX_IEffectParameters.h"
#include "AAX_IHostInterfaces.h"
#include "AAX_IString.h"
#include "AAX_IViewContainer.h"

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
    viewContainer = nullptr;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::SetViewContainer(AAX_IViewContainer* container)
{
    if (container == nullptr)
    {
        DeleteViewContainer();
        viewContainer = nullptr;
        return AAX_SUCCESS;
    }
    viewContainer = container;
    const AAX_Result result = CreateViewContainer(container->GetType(), container->GetPtr());
    UpdateAllParameters();
    return result;
}

void AAX_CEffectGUI::UpdateAllParameters()
{
    AAX_IEffectParameters* parameters = GetEffectParameters();
    int32_t count = 0;
    if (parameters == nullptr || parameters->GetNumberOfParameters(&count) != AAX_SUCCESS)
        return;
    for (int32_t index = 0; index < count; ++index)
    {
        AAX_CString id;
        if (parameters->GetParameterIDFromIndex(index, &id) == AAX_SUCCESS)
            ParameterUpdated(id.Get());
    }
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

AAX_Result AAX_CEffectGUI::NotificationReceived(AAX_CTypeID, const void*, uint32_t)
{
    return AAX_SUCCESS;
}
