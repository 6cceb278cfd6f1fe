#include "ORLSystemBox.h"

#include <cmath>

namespace Orlund
{
ORLSystemBox::ORLSystemBox(const juce::String& text, const Style& style)
    : background(style.background)
{
    setMultiLine(false);
    setScrollbarsShown(false);
    setReturnKeyStartsNewLine(false);
    setTabKeyUsedAsCharacter(false);
    setInputRestrictions(kMaxCharacters);
    setIndents(0, 0);
    setBorder({});
    setJustification(style.justification);
    setFont(style.font);
    setColour(juce::TextEditor::textColourId, style.textColor);
    setColour(juce::TextEditor::backgroundColourId, juce::Colours::transparentBlack);
    setColour(juce::TextEditor::outlineColourId, juce::Colours::transparentBlack);
    setColour(juce::TextEditor::focusedOutlineColourId, juce::Colours::transparentBlack);
    setText(text, false);
    selectAll();
}

juce::Rectangle<int> ORLSystemBox::placeFor(const ORLRect& r, double fontSize)
{
    const double centre = std::floor((r.top + r.bottom) * 0.5);
    const double top = centre - fontSize * 0.5 - 1.0;
    const double bottom = centre + fontSize * 0.5 + 2.0;
    return juce::Rectangle<double>(r.left, top, r.getWidth(), bottom - top)
        .getSmallestIntegerContainer();
}

juce::String ORLSystemBox::getResultText() const
{
    return getText().substring(0, kMaxReadBack);
}

void ORLSystemBox::paint(juce::Graphics& g)
{
    // The background may hold more pixels than the box has units (a scaled window).
    if (background.isValid())
        g.drawImage(background, getLocalBounds().toFloat());
    juce::TextEditor::paint(g);
}

bool ORLSystemBox::keyPressed(const juce::KeyPress& key)
{
    if (key.getKeyCode() == juce::KeyPress::tabKey)
    {
        if (onTab)
            onTab(key.getModifiers().isShiftDown());
        return true; // an unused Tab stays in the field, which has no use for it
    }
    return juce::TextEditor::keyPressed(key);
}

void ORLSystemBox::returnPressed()
{
    end(true);
}

void ORLSystemBox::escapePressed()
{
    end(false);
}

void ORLSystemBox::focusLost(FocusChangeType cause)
{
    juce::TextEditor::focusLost(cause);
    end(true);
}

void ORLSystemBox::end(bool taken)
{
    if (ended)
        return;
    ended = true;
    if (onEnd)
        onEnd(taken);
}
} // namespace Orlund
