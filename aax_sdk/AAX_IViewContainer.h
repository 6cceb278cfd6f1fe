#pragma once

#include "AAX.h"

// The host's view that holds an effect's editor: its kind and native handle (for type 3 the
// X11 window id), its size, and the clicks on parameter controls the plug-in hands back.
// Main thread.
class AAX_IViewContainer
{
  public:
    // AAX_EViewContainerType.
    virtual int32_t GetType() = 0;
    virtual void* GetPtr() = 0;
    // Asks the host to give the view this size.
    virtual AAX_Result SetViewSize(const AAX_Point& size) = 0;
    // A press on the control of parameter id with the host's modifier bits (16 right button,
    // 8 control, 4 alt, 2 command); AAX_SUCCESS when the host took it.
    virtual AAX_Result HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) = 0;

  protected:
    ~AAX_IViewContainer() = default;
};
