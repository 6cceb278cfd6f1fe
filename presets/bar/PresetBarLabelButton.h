#pragma once

#include "PresetBarControl.h"

class ORLFont;

// A text button of the preset bar (MANAGE, COMPARE, "?"): text only, brighter while hovered
// and brightest while pressed. A left press reports the tag; the value stays as it is.
// Main (UI) thread only.
class PresetBarLabelButton : public PresetBarControl
{
  public:
    static constexpr int kTextCapacity = 32;

    // The text is cut to 31 characters; the font is Arial 10 until setFont.
    PresetBarLabelButton(const ORLRect& rect, int32_t tag, const char* text);
    ~PresetBarLabelButton() override;

    void setText(const char* text);
    const char* getText() const { return text; }
    // Keeps a reference to the font (null keeps the current one).
    void setFont(ORLFont* font);

    void draw(ORLDrawContext& context) override;
    int32_t onMouseDown(ORLPoint where, int32_t buttons) override;

  private:
    char text[kTextCapacity] = {};
    ORLFont* font = nullptr;
};
