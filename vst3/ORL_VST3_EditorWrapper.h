#pragma once

#include "RunLoopBridge.h"

#include <ORLShellEditorWrapper.h>

#include <pluginterfaces/gui/iplugviewcontentscalesupport.h>

class ORL_VST3_Effect;

// The VST 3 shell's plug-in view: the shared editor object in the host's X11 window, its
// toolkit driven by the host's run loop. It shows the effect's current values when it opens
// and sends the editor's changes to the effect's master controller, each press on a knob as
// one gesture. The host owns it (reference counted); it may outlive its effect, and then
// shows nothing and sends nothing. The host's content scale (its GUI scale, the screen's) sizes
// and draws the window, before it opens or while it is open. Main thread only.
class ORL_VST3_EditorWrapper final : public Orlund::ORLShellEditorWrapper,
                                     public Steinberg::IPlugViewContentScaleSupport
{
  public:
    explicit ORL_VST3_EditorWrapper(ORL_VST3_Effect* effect);
    ~ORL_VST3_EditorWrapper() override;

    Steinberg::tresult PLUGIN_API attached(void* parent, Steinberg::FIDString type) override;
    Steinberg::tresult PLUGIN_API removed() override;
    Steinberg::tresult PLUGIN_API isPlatformTypeSupported(Steinberg::FIDString type) override;

    // Main thread, any time. The window is drawn at this scale times the user's zoom; an open
    // window asks the host for its new size (resizeView) and getSize answers it from then on.
    // Every factor is taken (NaN, zero and negative count as 1; the window stays within 1..3).
    Steinberg::tresult PLUGIN_API setContentScaleFactor(ScaleFactor factor) override;

    // Main thread. The effect is going: cut every link to it.
    void effectGone();

    // Every way the editor reaches the product is one call into the effect.
    void parameterEdited(int32_t tag, double value) override;
    void valueChanged(int32_t tag, float value) override;
    void beginEdit(int32_t tag) override;
    void endEdit(int32_t tag) override;

    OBJ_METHODS(ORL_VST3_EditorWrapper, Orlund::ORLShellEditorWrapper)
    DEFINE_INTERFACES
    DEF_INTERFACE(Steinberg::IPlugViewContentScaleSupport)
    END_DEFINE_INTERFACES(Orlund::ORLShellEditorWrapper)
    REFCOUNT_METHODS(Orlund::ORLShellEditorWrapper)

  private:
    void unwire();
    template <typename F> void intoEffect(F&& call);

    ORL_VST3_Effect* effect;
    RunLoopBridge runLoop;
};
