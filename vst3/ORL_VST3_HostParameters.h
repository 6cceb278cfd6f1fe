#pragma once

#include <ORLHostParameters.h>
#include <OwedEchoes.h>

#include <cstdint>

namespace Steinberg::Vst
{
class EditController;
}
class ChordwellInstance;
class ORLEditorDisplay;

// The master controller's host side in a VST 3 host: a change becomes beginEdit,
// performEdit and endEdit of the slot's parameter (one gesture spanning a whole press in the
// editor), and the value reaches the render path at once. VST 3 hosts do not echo a
// controller's own edits, so this side queues the echo that the master controller counts on
// and delivers it later, like a host that echoes: after the call that made the change has
// returned and never in the middle of a transfer. While a state is being restored, values
// are announced to the host as edits of their own and shown in the editor, without echoes:
// the host applies its edits in order, so the restored values are the last it hears (a host
// may have applied a program change of its own just before).
// Main thread.
class ORL_VST3_HostParameters final : public ORLHostParameters
{
  public:
    // The instance's master controller is the one this side serves; it keeps the record of
    // presses.
    ORL_VST3_HostParameters(Steinberg::Vst::EditController& controller,
                            ChordwellInstance& instance);

    // Main thread. The open editor that host-side changes move, or null.
    void setEditor(ORLEditorDisplay* display) { editor = display; }
    // Main thread. While set, changes are a restore: announced, shown, never echoed.
    void setRestoring(bool on) { restoring = on; }

    // Main thread. Hands every queued echo to the master controller, then shows its value in
    // the editor, as a host reports a touched change back.
    void deliverEchoes();

    void touchParameter(int32_t slot) override;
    void setParameterValue(int32_t slot, double value) override;
    void releaseParameter(int32_t slot) override;
    void beginGesture(int32_t slot) override;
    void endGesture(int32_t slot) override;

  private:
    bool quiet(int32_t slot) const { return echoes.isResend(slot); }
    // A change inside a press is part of its one gesture.
    bool inGesture(int32_t slot) const;

    Steinberg::Vst::EditController& controller;
    ChordwellInstance& instance;
    ORLEditorDisplay* editor = nullptr;
    OwedEchoes echoes;
    bool restoring = false;
};
