#pragma once

#include "ORLHostParameters.h"

#include <ORLChordwellController.h>
#include <ORLMasterController.h>
#include <ORLPresetModel.h>

#include <memory>

class ORLEditorDisplay;
class PresetBank;

// The master controller that every plug-in shell shares: the hub through which editor, preset
// model, host and render path exchange parameter values. Sends public slot changes to the
// host side as touch, set and release; reports changes to the preset model outside preset
// transfers; frames the echoes of a transfer with the markers 47 and 48; tells a shell that
// wants them (its host side) of the internal slots' values. Knows nothing of any plug-in format: a
// shell gives it its host side (ORLHostParameters) and delivers the host's echoes. Main thread.
class ORLShellController : public ORLMasterController
{
  public:
    ORLShellController();
    ~ORLShellController() override;
    ORLShellController(const ORLShellController&) = delete;
    ORLShellController& operator=(const ORLShellController&) = delete;

    void setParameter(int32_t index, double value) override;
    int32_t saveGlobalValue(int32_t index, double value) override;
    int32_t loadGlobalValue(int32_t index, double& value) override;
    ORLPresetModel* getPresetModel() override;

    // Main thread. A change made in the editor, transfers of the preset model included.
    void editorControlChanged(int32_t index, double value);
    // Main thread. Makes preset index (0-9) current and sends its values as the preset bar
    // does: the begin marker, the eight values, the end marker. Out of range: nothing.
    void recallPreset(int32_t index);
    // Main thread (an LV2 host's state restore: never during the UI's calls). The host laid
    // the values of factory preset index (0-9) on its parameters itself: that preset becomes
    // current in the bank, which takes those values (edited only where the bank's preset no
    // longer holds them). Nothing is sent to the host. Out of range: nothing.
    void hostChoseFactoryPreset(int32_t index);
    // Main thread. The editor's press on (release of) the control of slot 0-7: the host's side
    // hears a press once, and the release of a press it heard.
    void editorGestureBegan(int32_t index);
    void editorGestureEnded(int32_t index);
    // Main thread. Whether a press on slot 0-7 is under way (its changes then belong to it).
    bool gestureOpen(int32_t index) const;
    // Main thread. A touched change of public slot index reported back by the host.
    void hostParameterEcho(int32_t index, double value);
    // Main thread. Touch, set and release of public slot index (value clamped to 0..1),
    // then the preset model hears of it when the slot is reported to it.
    void sendToHost(int32_t index, double value);
    // Main thread. Shows the internal slots that hold a value in a newly opened editor.
    void pushInternalToEditor();

    // Main thread. The shell's host side, or null (changes then reach only the preset model).
    void setHostParameters(ORLHostParameters* side) { host = side; }
    // Main thread. The open editor, or null; cleared before that editor is destroyed.
    void setEditor(ORLEditorDisplay* display) { editor = display; }
    ORLEditorDisplay* getEditor() const { return editor; }
    // Main thread.
    ORLChordwellController& productController() { return *controller; }
    // Main thread. The instance's preset bank (its preset model), made with the controller.
    PresetBank& presetBank() { return *bank; }
    // Main thread. The value last set for slot 0-16.
    double currentValue(int32_t slot) const;
    // Main thread. Between the begin marker and the end marker of a transfer the editor is
    // still sending its values; a shell holds its echoes back until the end marker.
    bool isRecordingTransfer() const { return recording; }

  private:
    void storeAndShow(int32_t index, double value);

    ORLHostParameters* host = nullptr;
    std::unique_ptr<ORLChordwellController> controller;
    bool guard = false;
    std::unique_ptr<PresetBank> bank;
    bool transferActive = false;
    bool recording = false;
    int32_t expectedEchoes = 0;
    int32_t counter = 0;
    int32_t replayed = 0;
    ORLEditorDisplay* editor = nullptr;
    uint32_t openGestures = 0; // bit n: a press on slot n
    double current[17];
};
