#pragma once

#include "ORLTextControl.h"

// Editable text (the preset bar's name field), always tag 19; the editing itself lives in
// its toolkit view. Keeps the text it had before the last setText. Main (UI) thread only.
class ORLTextEdit : public ORLTextControl
{
  public:
    static constexpr int32_t kTag = 19;

    explicit ORLTextEdit(const ORLRect& rect);

    void setText(const char* text) override;
    // Opens the view's text field for one edit; the taken text is reported as a value change.
    void beginEditing();
    const char* getPreviousText() const { return previousText; }

  private:
    char previousText[kTextCapacity] = {};
};
