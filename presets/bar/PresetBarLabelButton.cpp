#include "PresetBarLabelButton.h"

#include "ORLFont.h"
#include "ORLSharedFonts.h"
#include "PresetBarColors.h"

#include <cstring>

PresetBarLabelButton::PresetBarLabelButton(const ORLRect& r, int32_t t, const char* initial)
    : PresetBarControl(r, t), font(ORLCreateFont("Arial", 10))
{
    setText(initial);
}

PresetBarLabelButton::~PresetBarLabelButton()
{
    if (font)
        font->forget();
}

void PresetBarLabelButton::setText(const char* newText)
{
    std::strncpy(text, newText ? newText : "", kTextCapacity - 1);
    text[kTextCapacity - 1] = 0;
    redraw();
}

void PresetBarLabelButton::setFont(ORLFont* newFont)
{
    if (!newFont)
        return;
    newFont->remember();
    if (font)
        font->forget();
    font = newFont;
    redraw();
}

void PresetBarLabelButton::draw(ORLDrawContext& context)
{
    if (font)
        context.setFont(font);
    context.setFontColor(pressed   ? presetbar::kLabelPressed
                         : hovered ? presetbar::kLabelHovered
                                   : presetbar::kLabelIdle);
    context.drawString(text, rect, 1);
}

int32_t PresetBarLabelButton::onMouseDown(ORLPoint, int32_t buttons)
{
    if (buttons & kORLLeftButton)
    {
        pressed = 1;
        notifyAndRedraw();
    }
    return kORLMouseHandled;
}
