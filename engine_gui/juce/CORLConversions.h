#pragma once

#include "ORLGraphicsTypes.h"
#include "StoredText.h"

#include <juce_gui_basics/juce_gui_basics.h>

// Conversions between the maker's records and the toolkit's. Main (UI) thread.
namespace Orlund
{
inline juce::Rectangle<float> toJuce(const ORLRect& r)
{
    return {static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.getWidth()),
            static_cast<float>(r.getHeight())};
}

inline juce::Rectangle<int> toJuceInt(const ORLRect& r)
{
    return toJuce(r).getSmallestIntegerContainer();
}

inline juce::Colour toJuce(ORLColor c)
{
    return juce::Colour(c.red, c.green, c.blue, c.alpha);
}

// The maker's 8-bit text as the toolkit's string. Any bytes are safe: text that is not UTF-8
// (a preset name saved on Windows) is read as the stored names are everywhere.
inline juce::String toJuceText(const char* text)
{
    if (text == nullptr)
        return {};
    const std::string utf8 = storedTextAsUtf8(text);
    return juce::String(juce::CharPointer_UTF8(utf8.c_str()));
}

// One wheel notch as the toolkit reports it on X11.
inline constexpr float kToolkitWheelNotch = 50.0f / 256.0f;

// The toolkit's mouse event as button-state bits.
inline int32_t toButtonState(const juce::MouseEvent& e, bool withClicks)
{
    const auto& m = e.mods;
    int32_t state = 0;
    if (m.isLeftButtonDown())
        state |= kORLLeftButton;
    if (m.isMiddleButtonDown())
        state |= kORLMiddleButton;
    if (m.isRightButtonDown())
        state |= kORLRightButton;
    if (m.isShiftDown())
        state |= kORLShift;
    if (m.isCtrlDown())
        state |= kORLControl;
    if (m.isAltDown())
        state |= kORLAlt;
    if (withClicks && e.getNumberOfClicks() > 1)
        state |= kORLDoubleClick;
    return state;
}
} // namespace Orlund
