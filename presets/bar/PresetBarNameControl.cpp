#include "PresetBarNameControl.h"

#include "ORLEngineView.h"
#include "ORLFont.h"
#include "ORLSharedFonts.h"
#include "PresetBarColors.h"
#include "StoredText.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace
{
// Copies at most maxCharacters characters of UTF-8 text, never splitting one.
template <size_t N> void copyCut(char (&to)[N], const char* from, size_t maxCharacters)
{
    const std::string_view text = cutUtf8(from ? from : "", N - 1);
    size_t end = 0;
    for (size_t count = 0; end < text.size() && count < maxCharacters; ++count)
    {
        char32_t ignored = 0;
        end += std::max<size_t>(1, utf8SequenceAt(text, end, ignored));
    }
    std::memcpy(to, text.data(), end);
    to[end] = 0;
}
} // namespace

PresetBarNameControl::PresetBarNameControl(const ORLRect& r)
    : PresetBarControl(r, kTag), font(ORLCreateFont("Arial", 10))
{
    layoutChanged();
}

PresetBarNameControl::~PresetBarNameControl()
{
    if (font)
        font->forget();
}

void PresetBarNameControl::layoutChanged()
{
    prefixRect = {rect.left + 2, rect.top, rect.right - 2, rect.bottom};
    nameRect = {rect.left + 16, rect.top, rect.right - 16, rect.bottom};
}

void PresetBarNameControl::setPrefix(const char* text)
{
    copyCut(prefix, text, 7);
}

void PresetBarNameControl::setName(const char* text)
{
    copyCut(name, text, 31);
}

void PresetBarNameControl::setEdited(bool on)
{
    edited = on ? 1 : 0;
}

void PresetBarNameControl::draw(ORLDrawContext& context)
{
    context.setFillColor(presetbar::kNameBackground);
    context.drawRect(rect, 1);
    if (font)
        context.setFont(font);
    context.setFontColor(edited ? presetbar::kNameEdited : presetbar::kNameCommitted);
    context.drawString(prefix, prefixRect, 0);
    context.drawString(name, nameRect, 1);
}

int32_t PresetBarNameControl::onMouseDown(ORLPoint, int32_t buttons)
{
    constexpr int32_t kEditModifiers = kORLControl | kORLAlt | kCommandModifier;
    const bool click = (buttons & (kORLLeftButton | kORLRightButton | kORLDoubleClick)) != 0;
    if (!click)
        return kORLMouseHandled;
    const bool edit = (buttons & (kORLRightButton | kORLDoubleClick)) || (buttons & kEditModifiers);
    value = edit ? 1.0 : 0.0;
    if (engineView)
        engineView->valueChanged();
    return kORLMouseHandled;
}

int32_t PresetBarNameControl::onMouseUp(ORLPoint, int32_t)
{
    return kORLMouseHandled;
}

int32_t PresetBarNameControl::onMouseEntered(ORLPoint, int32_t)
{
    return kORLMouseHandled;
}

int32_t PresetBarNameControl::onMouseExited(ORLPoint, int32_t)
{
    return kORLMouseHandled;
}
