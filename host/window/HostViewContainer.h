#pragma once

#include <AAX_IViewContainer.h>

#include <functional>

// The host's view that holds the plug-in's editor: a native window (type 3: an X11 window, or
// an HWND on Windows) or a toolkit component (type 1). Size requests and parameter clicks go
// to the callbacks. Main thread.
class HostViewContainer final : public AAX_IViewContainer
{
  public:
    HostViewContainer(int32_t type, void* native) : type(type), native(native) {}

    std::function<void(const AAX_Point&)> onSetViewSize;
    std::function<void(const char* id, uint32_t modifiers)> onParameterMouseDown;

    int32_t GetType() override { return type; }
    void* GetPtr() override { return native; }
    AAX_Result SetViewSize(const AAX_Point& size) override
    {
        if (onSetViewSize)
            onSetViewSize(size);
        return AAX_SUCCESS;
    }
    // The host offers nothing of its own on a parameter click: not taken.
    AAX_Result HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) override
    {
        if (onParameterMouseDown)
            onParameterMouseDown(id, modifiers);
        return AAX_ERROR_UNIMPLEMENTED;
    }

  private:
    int32_t type;
    void* native;
};
