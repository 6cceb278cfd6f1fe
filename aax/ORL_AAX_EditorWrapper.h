#pragma once

#include "ORLEditorDisplay.h"
#include "ORLVSTGUIEditorWrapperV4_PresetBar.h"

#include <functional>

class ORL_AAX_ControllerWrapper;
class ORL_QcWl_0x011005_ORL_AAXWrapper_GUI;

// The product's editor object: the window with editor and preset bar, opened in the host's
// native view, its edits sent to the master controller and its parameter clicks to the host's
// view container. Shows what the master controller and the host report; with no view open
// such calls change nothing. Reference counted: release() instead of delete.
// Main thread only.
class ORL_AAX_EditorWrapper final : public Orlund::ORLVSTGUIEditorWrapperV4_PresetBar,
                                    public ORLEditorDisplay
{
  public:
    // Whether a left or right Ctrl, Alt and Windows (Super) key are all down right now.
    using ChordQuery = std::function<bool()>;

    ORL_AAX_EditorWrapper();

    // Main thread. Wiring made when the host opens the view (null to cut it).
    void setMasterController(ORL_AAX_ControllerWrapper* controller) { master = controller; }
    void setGUI(ORL_QcWl_0x011005_ORL_AAXWrapper_GUI* owner) { gui = owner; }
    ORL_AAX_ControllerWrapper* masterController() const { return master; }

    // Main thread. Opens the window in the native view (an X11 window id, or a component of
    // the shared toolkit when inComponent) and fits the preset bar under the editor's panel.
    void open(void* nativeView, bool inComponent = false);
    // Main thread. The window's rectangle as last reported (-1 until the first report).
    const ORLRect& viewRect() const { return rect; }
    // Main thread. The window's frame took a new size: kept, and passed to the host's view.
    void resized();
    // Main thread. The modifier bits the host gets for a click with these toolkit buttons.
    uint32_t hostModifiers(int32_t buttons) const;
    void setChordQuery(ChordQuery query) { chordQuery = std::move(query); }

    // A change made in the editor or the preset bar goes to the master controller.
    void controlChanged(int32_t index, double value);
    void parameterEdited(int32_t tag, double value) override;
    void hostMouseDown(int32_t tag, int32_t buttons) override;
    void resizeEditor(int32_t width, int32_t height) override;
    void updateDisplay(int32_t index, double value) override;

  private:
    ORL_AAX_ControllerWrapper* master = nullptr;
    ORL_QcWl_0x011005_ORL_AAXWrapper_GUI* gui = nullptr;
    ORLRect rect{-1.0, -1.0, -1.0, -1.0};
    ChordQuery chordQuery;
};
