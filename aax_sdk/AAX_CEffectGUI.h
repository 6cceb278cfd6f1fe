#pragma once

#include "AAX_IEffectGUI.h"

class AAX_IEffectParameters;

// Base of an effect's GUI object: keeps the host controller and the view container; the
// view operations are the subclass's. Main thread.
class AAX_CEffectGUI : public AAX_IEffectGUI
{
  public:
    AAX_Result Initialize(AAX_IController* controller) override;
    AAX_Result Uninitialize() override;
    AAX_Result CreateViewContainer(int32_t type, void* native) override;
    AAX_Result DeleteViewContainer() override;
    AAX_Result SetViewContainer(AAX_IViewContainer* container) override;
    AAX_Result GetViewSize(AAX_Point* size) const override;
    AAX_Result ParameterUpdated(AAX_CParamID id) override;
    AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) override;

  protected:
    virtual void CreateViewContents() {}
    virtual void CreateViewContainerContents() {}
    virtual void DeleteViewContainerContents() {}
    AAX_IController* GetController() const { return controller; }
    AAX_IEffectParameters* GetEffectParameters() const;
    // Shows every parameter's current value: ParameterUpdated for each, as after a view
    // container is set.
    void UpdateAllParameters();
    int32_t ViewContainerType() const { return containerType; }
    void* NativeView() const { return nativeView; }
    // The host's view container, null without one.
    AAX_IViewContainer* GetViewContainer() const { return viewContainer; }

  private:
    AAX_IController* controller = nullptr;
    int32_t containerType = AAX_eViewContainer_Type_NULL;
    void* nativeView = nullptr;
    AAX_IViewContainer* viewContainer = nullptr;
};
