#pragma once

#include "AAX.h"

class AAX_IController;
class AAX_IViewContainer;

// The effect's GUI object (procedure selector 1). Main thread.
class AAX_IEffectGUI
{
  public:
    virtual ~AAX_IEffectGUI() = default;
    virtual AAX_Result Initialize(AAX_IController* controller) = 0;
    virtual AAX_Result Uninitialize() = 0;
    // type: AAX_EViewContainerType; native: the parent window for type 3.
    virtual AAX_Result CreateViewContainer(int32_t type, void* native) = 0;
    virtual AAX_Result DeleteViewContainer() = 0;
    // The host's view container (null closes the view): its type and native view go to
    // CreateViewContainer; the plug-in keeps it for sizes and parameter clicks.
    virtual AAX_Result SetViewContainer(AAX_IViewContainer* container) = 0;
    virtual AAX_Result GetViewSize(AAX_Point* size) const = 0;
    // The host delivered a change of parameter id.
    virtual AAX_Result ParameterUpdated(AAX_CParamID id) = 0;
    // The host tells the GUI something of a type (below); unknown types are ignored.
    virtual AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) = 0;
};

// The view's scale (device pixels per unit of the view's own layout): data is one float. The
// view asks for its new size through its container.
inline constexpr AAX_CTypeID AAX_eNotificationEvent_ViewScale = AAX_FourCC("VwSc");
