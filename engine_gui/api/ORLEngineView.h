#pragma once

#include "ORLDrawContext.h"
#include "ORLGraphicsTypes.h"

#include <cstdint>
#include <memory>

class ORLFont;

// A control's link to the toolkit view that hosts it. Main thread only.
class ORLEngineView
{
  public:
    virtual ~ORLEngineView() = default;
    // Marks the view for redrawing.
    virtual void invalid() = 0;
    // Takes over the control's value (single precision) and reports it with the control's
    // tag to the window's listener.
    virtual void valueChanged() = 0;
    // Makes the text (up to its terminating zero) the view's tooltip.
    virtual void setHint(const char* text) = 0;
    virtual void reserved() = 0;
    // The view's value (single precision); marks the view for redrawing.
    virtual void setValue(double value) = 0;
    // New view size and mouse area; the parent is told the size changed.
    virtual void setViewSize(const ORLRect& r) = 0;
    virtual bool isAttached() = 0;
    // Null unless width and height are both at least 1.
    virtual std::unique_ptr<ORLOffscreenContext> createOffscreen(int32_t width, int32_t height) = 0;
};

// The link of a text label or text edit view.
class ORLEngineTextEdit : public ORLEngineView
{
  public:
    virtual void setText(const char* text) = 0;
    virtual void setFont(ORLFont* font) = 0;
    virtual void setFontColor(ORLColor color) = 0;
    // Opens the view's text field for one edit, when the view edits text at all.
    virtual void beginEditing() {}
};

// The link of an option menu view, which holds the entries.
class ORLEngineOptionMenu : public ORLEngineView
{
  public:
    // index below 0 appends; style 1 title, 2 separator, -1 or 0 normal.
    virtual void addEntry(const char* text, int32_t index, int32_t style) = 0;
    // state 0 enabled, 1 disabled, 2 checked, 3 unchecked.
    virtual void setEntryState(int32_t state, int32_t index) = 0;
    virtual void setCurrent(int32_t index) = 0;
    virtual int32_t getCurrent() = 0;
    virtual void removeAllEntries() = 0;
    // Shows the entries as a pop-up under the view; a choice is reported like a click's.
    virtual void popup() = 0;
};
