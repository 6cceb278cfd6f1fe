#include "ORLTextEdit.h"

#include "ORLEngineView.h"

#include <cstring>

ORLTextEdit::ORLTextEdit(const ORLRect& r) : ORLTextControl(r, kTag, kORLKindTextEdit, 1) {}

void ORLTextEdit::beginEditing()
{
    if (auto* view = textView())
        view->beginEditing();
}

void ORLTextEdit::setText(const char* newText)
{
    std::memcpy(previousText, text, kTextCapacity);
    ORLTextControl::setText(newText);
}
