#include "ORLTextControl.h"

#include "ORLEngineView.h"
#include "ORLSharedFonts.h"

#include <cstring>

ORLTextControl::ORLTextControl(const ORLRect& r, int32_t t, int32_t k, int32_t align)
    : ORLBaseControl(r, t, nullptr, k), font(ORLGetSharedFont(12)), alignment(align)
{
    if (font)
        font->remember();
}

ORLTextControl::~ORLTextControl()
{
    for (ORLFont* held : {font, baseFont, scaledFont})
        if (held)
            held->forget();
}

ORLEngineTextEdit* ORLTextControl::textView() const
{
    return dynamic_cast<ORLEngineTextEdit*>(engineView);
}

void ORLTextControl::setText(const char* newText)
{
    if (!newText)
        newText = "";
    if (auto* view = textView())
        view->setText(newText);
    std::strncpy(text, newText, kTextCapacity - 1);
    text[kTextCapacity - 1] = 0;
}

void ORLTextControl::setFontColor(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha)
{
    fontColor = {red, green, blue, alpha};
    if (auto* view = textView())
        view->setFontColor(fontColor);
}

void ORLTextControl::setFont(ORLFont* newFont)
{
    if (newFont)
        newFont->remember();
    if (font)
        font->forget();
    font = newFont;
    if (auto* view = textView())
        view->setFont(font);
}

void ORLTextControl::scale(double factor)
{
    ORLBaseControl::scale(factor);
    if (!baseFont && font)
    {
        baseFont = font;
        baseFont->remember();
    }
    if (!baseFont)
        return;
    ORLFont* made = ORLCreateFont(baseFont->getName(), baseFont->getSize() * factor);
    if (!made)
        return;
    setFont(made);
    if (scaledFont)
        scaledFont->forget();
    scaledFont = made; // the creator's reference
}
