#pragma once

#include "PendingSlots.h"

#include <ORLChordwellController.h>
#include <ORLMasterController.h>
#include <ORLPresetModel.h>

#include <memory>

class AAX_CEffectParameters;
class ORLEditorDisplay;

// The master controller: the hub through which editor, preset model, host and render path
// exchange parameter values. Sends public slot changes to the host as touch, set and
// release; reports changes to the preset model outside preset transfers; frames the echoes
// of a transfer with the markers 47 and 48; keeps internal slot values pending for the
// direct-data object. Main thread, except takePending (timer thread).
class ORL_AAX_ControllerWrapper final : public ORLMasterController
{
  public:
    ORL_AAX_ControllerWrapper();
    ~ORL_AAX_ControllerWrapper() override;
    ORL_AAX_ControllerWrapper(const ORL_AAX_ControllerWrapper&) = delete;
    ORL_AAX_ControllerWrapper& operator=(const ORL_AAX_ControllerWrapper&) = delete;

    void setParameter(int32_t index, double value) override;
    int32_t saveGlobalValue(int32_t index, double value) override;
    int32_t loadGlobalValue(int32_t index, double& value) override;
    ORLPresetModel* getPresetModel() override { return presetModel.get(); }

    // Main thread. A change made in the editor, transfers of the preset model included.
    void editorControlChanged(int32_t index, double value);
    // Main thread. A touched change of public slot index reported back by the host.
    void hostParameterEcho(int32_t index, double value);
    // Main thread. Touch, set and release of public slot index (value clamped to 0..1),
    // then the preset model hears of it when the slot is reported to it.
    void sendToHost(int32_t index, double value);
    // Timer thread. true with all 17 pending values (-1.0 for none) when there are any.
    bool takePending(double* out);
    // Main thread. Shows the internal slots that hold a value in a newly opened editor.
    void pushInternalToEditor();

    // Main thread. The parameters object that owns this controller, or null.
    void setOwner(AAX_CEffectParameters* parameters) { owner = parameters; }
    // Main thread. The open editor, or null; cleared before that editor is destroyed.
    void setEditor(ORLEditorDisplay* display) { editor = display; }
    // Main thread.
    ORLChordwellController& productController() { return *controller; }
    // Main thread. The value last set for slot 0-16.
    double currentValue(int32_t slot) const;

  private:
    void storeAndShow(int32_t index, double value);

    AAX_CEffectParameters* owner = nullptr;
    std::unique_ptr<ORLChordwellController> controller;
    bool guard = false;
    std::unique_ptr<ORLPresetModel> presetModel;
    bool transferActive = false;
    bool recording = false;
    int32_t expectedEchoes = 0;
    int32_t counter = 0;
    int32_t replayed = 0;
    ORLEditorDisplay* editor = nullptr;
    double current[17];
    PendingSlots pending;
};
