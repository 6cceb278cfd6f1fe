#pragma once

#include "LiveObjects.h"

#include <AAX_CEffectGUI.h>

#include <cstdint>

class ORL_AAX_EditorWrapper;
class AAX_IViewContainer;

// The effect's GUI object: owns the editor object (made when the first view opens), opens it
// in the host's view, wires it to the master controller and the preset bank, and shows host
// parameter changes in it. The master controller's editor pointer is cleared before the
// editor object goes.
// Main thread.
class ORL_QcWl_0x011005_ORL_AAXWrapper_GUI final : public AAX_CEffectGUI, private LiveObject
{
  public:
    ORL_QcWl_0x011005_ORL_AAXWrapper_GUI();
    ~ORL_QcWl_0x011005_ORL_AAXWrapper_GUI() override;

    // The editor's window size; 1024 x 768 without an editor object.
    AAX_Result GetViewSize(AAX_Point* size) const override;
    // The slot with this identifier shows the parameter's value in the editor.
    AAX_Result ParameterUpdated(AAX_CParamID id) override;
    // The view's scale (AAX_eNotificationEvent_ViewScale) reaches the editor object, now or
    // when it is made.
    AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) override;

    ORL_AAX_EditorWrapper* editorWrapper() const { return editor; }
    AAX_IViewContainer* viewContainer() const { return GetViewContainer(); }
    void* nativeView() const { return native; }

    // Latency probes made in this process (a temporary engine each); for tests.
    static int32_t latencyProbeCount();

  protected:
    void CreateViewContainerContents() override;
    void DeleteViewContainerContents() override;

  private:
    void reportLatency();
    void unwire();

    ORL_AAX_EditorWrapper* editor = nullptr;
    void* native = nullptr;
    float viewScale = 1.0f;
};
