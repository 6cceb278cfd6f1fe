#pragma once

#include "ORLBaseControl.h"

class ORLFont;
class ORLEngineTextEdit;

// What text labels and text edits share: a 256-byte text, font colour, font (the shared
// Arial 12 at construction) and horizontal alignment (0 left, 1 centred, 2 right). The
// hosting view draws the text; the control draws nothing itself. Main (UI) thread only.
class ORLTextControl : public ORLBaseControl
{
  public:
    static constexpr int32_t kTextCapacity = 256;

    ~ORLTextControl() override;

    // Hands the text to the view, then keeps at most 255 characters of it.
    virtual void setText(const char* text);
    // Hands the colour to the view and stores it.
    void setFontColor(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha);
    // Releases the current font, keeps a reference to the new one and hands it to the view.
    void setFont(ORLFont* font);
    // Also scales the font: a new font with the base font's name and size times the factor.
    void scale(double factor) override;

    const char* getText() const { return text; }
    ORLColor getFontColor() const { return fontColor; }
    ORLFont* getFont() const { return font; }
    int32_t getAlignment() const { return alignment; }

  protected:
    ORLTextControl(const ORLRect& rect, int32_t tag, int32_t kind, int32_t alignment);
    ORLEngineTextEdit* textView() const;

    char text[kTextCapacity] = {};
    ORLColor fontColor{255, 255, 255, 255};
    ORLFont* font = nullptr;
    int32_t alignment;
    ORLFont* baseFont = nullptr;
    ORLFont* scaledFont = nullptr;
};
