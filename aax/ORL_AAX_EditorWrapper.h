#pragma once

#include "ORLShellEditorWrapper.h"

#include <functional>

class ORL_QcWl_0x011005_ORL_AAXWrapper_GUI;

// The AAX shell's editor object: the shared editor object opened in the host's native view,
// its size reported to the host's view container and its parameter clicks (with the modifier
// keys) passed to it. Reference counted: release() instead of delete. Main thread only.
class ORL_AAX_EditorWrapper final : public Orlund::ORLShellEditorWrapper
{
  public:
    // Whether a left or right Ctrl, Alt and Windows (Super) key are all down right now.
    using ChordQuery = std::function<bool()>;

    ORL_AAX_EditorWrapper();

    void setGUI(ORL_QcWl_0x011005_ORL_AAXWrapper_GUI* owner) { gui = owner; }

    // Main thread. Opens the window in the native view (an X11 window id, or a component of
    // the shared toolkit when inComponent); the preset bar is fitted under the editor's panel.
    void open(void* nativeView, bool inComponent = false);
    // Main thread. The window's rectangle as last reported (-1 until the first report).
    const ORLRect& viewRect() const { return rect; }
    // Main thread. The window's frame took a new size: kept, and passed to the host's view.
    void resized();
    // Main thread. The modifier bits the host gets for a click with these toolkit buttons.
    uint32_t hostModifiers(int32_t buttons) const;
    void setChordQuery(ChordQuery query) { chordQuery = std::move(query); }

    void hostMouseDown(int32_t tag, int32_t buttons) override;
    void resizeEditor(int32_t width, int32_t height) override;

  protected:
    // The host's view container takes the new size.
    bool requestWindowSize(int width, int height) override;

  private:
    ORL_QcWl_0x011005_ORL_AAXWrapper_GUI* gui = nullptr;
    ORLRect rect{-1.0, -1.0, -1.0, -1.0};
    ChordQuery chordQuery;
};
