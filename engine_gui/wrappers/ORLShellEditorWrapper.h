#pragma once

#include "ORLEditorDisplay.h"
#include "ORLVSTGUIEditorWrapperV4_PresetBar.h"

class ORLShellController;

namespace Orlund
{
// The editor object every plug-in shell shows: the window with editor and preset bar, its
// edits and gestures sent to the shared master controller, and what the master controller
// and the host report shown in it. With no window open such reports change nothing.
// A shell derives from it for what its format adds (view size reports, parameter clicks,
// run loops). Reference counted: release() instead of delete. Main thread only.
class ORLShellEditorWrapper : public ORLVSTGUIEditorWrapperV4_PresetBar, public ORLEditorDisplay
{
  public:
    // Main thread. Wiring made when the host opens the view (null to cut it).
    void setMasterController(ORLShellController* controller) { master = controller; }
    ORLShellController* masterController() const { return master; }

    // The wiring every shell makes around its window, main thread. connect, before the window
    // opens: the editor's edits go to the instance's master controller and the preset bar
    // shows its bank. showConnected, once the window is open: the master controller shows its
    // changes here, the internal slots' values first. disconnect cuts what connect and
    // showConnected made.
    void connect(ORLShellController& controller);
    void showConnected();
    void disconnect();

    // Main thread. A change made in the editor or the preset bar goes to the master controller.
    void controlChanged(int32_t index, double value);
    void parameterEdited(int32_t tag, double value) override;
    void updateDisplay(int32_t index, double value) override;
    // The window's listener: a press on a control opens and closes the host's gesture.
    void beginEdit(int32_t tag) override;
    void endEdit(int32_t tag) override;

  protected:
    // Fits the preset bar under the editor's panel once the window is open.
    void attachedToParent() override;
    // Ends the gestures of a press that the closing window cuts short.
    void removedFromParent() override;

  private:
    ORLShellController* master = nullptr;
};
} // namespace Orlund
