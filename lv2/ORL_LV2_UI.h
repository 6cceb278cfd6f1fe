#pragma once

#include <ORLHostParameters.h>
#include <ORLShellEditorWrapper.h>
#include <OwedEchoes.h>

#include "UiScaleOption.h"

#include <lv2/ui/ui.h>

#include <cstdint>

class ORL_LV2_Plugin;

// The LV2 plug-in's X11 UI: the shared editor object in the host's parent window, the toolkit
// driven from the host's idle calls, the bank shared with the DSP instance (instance access)
// so the UI and the saved state never disagree. It is the master controller's host side while
// open: a change becomes a write to the slot's control port (framed by the host's touch
// feature for a press on a knob). LV2 hosts do not echo a UI's own writes, so this side queues
// the echo the master controller counts on and delivers it on the next idle call, never in
// the middle of a preset transfer. A port event from the host (automation, a host preset) moves
// the knob and reaches neither the preset bank nor the host again. The host's scale
// (ui:scaleFactor, at instantiation and through the options interface while open) sizes and
// draws the window; a window that grows or shrinks tells the host through ui:resize.
// Reference counted: release() instead of delete. The host's UI thread only.
class ORL_LV2_UI final : public Orlund::ORLShellEditorWrapper, private ORLHostParameters
{
  public:
    // What the host offers beyond the write function; any of it may be null.
    struct HostFeatures
    {
        const LV2UI_Touch* touch = nullptr;
        const LV2UI_Resize* resize = nullptr;
        const LV2_URID_Map* map = nullptr;
    };
    ORL_LV2_UI(ORL_LV2_Plugin& plugin, LV2UI_Write_Function write, LV2UI_Controller controller,
               const HostFeatures& features);
    ~ORL_LV2_UI() override;

    // UI thread. Opens the window in the host's X11 parent; false when it could not open.
    bool open(uintptr_t parent);
    // UI thread. The window's own X11 window, for the host to embed.
    uintptr_t window();
    // UI thread. A host's change of port index (format 0: one float).
    void portEvent(uint32_t port, uint32_t size, uint32_t format, const void* buffer);
    // UI thread. Runs what the toolkit has due and delivers queued echoes; 0 while open.
    int idleTick();
    // UI thread. Cuts every link to the plug-in and closes the window.
    void close();
    // UI thread, any time: the options interface's set and get (ui:scaleFactor only); an
    // open window that changes size asks the host for it.
    uint32_t setOptions(const LV2_Options_Option* options);
    uint32_t getOptions(LV2_Options_Option* options);

  private:
    void touchParameter(int32_t slot) override;
    void setParameterValue(int32_t slot, double value) override;
    void releaseParameter(int32_t slot) override;
    void beginGesture(int32_t slot) override;
    void endGesture(int32_t slot) override;
    void deliverEchoes();
    bool requestWindowSize(int width, int height) override;

    ORL_LV2_Plugin* plugin;
    LV2UI_Write_Function write;
    LV2UI_Controller controller;
    const LV2UI_Touch* touch;
    const LV2UI_Resize* resize;
    UiScaleOption scaleOption;
    // The host's scale as the options interface reports it back.
    float reportedScale = 1.0f;
    OwedEchoes echoes;
    // The value last written to each port: the host may report it back.
    float written[8];
};

// The UI descriptor; index 1 and above give null. Any thread.
const LV2UI_Descriptor* chordwellUiDescriptor(uint32_t index);
