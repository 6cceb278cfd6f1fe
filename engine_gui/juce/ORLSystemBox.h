#pragma once

#include "ORLGraphicsTypes.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace Orlund
{
// The platform text field a text edit view opens for one edit: placed over the view and as
// high as the font, all text selected, at most 255 characters, drawn over a picture of the
// view so that it looks like the view behind it. Return ends the edit with the text, Tab is
// first offered to the owner, losing the focus ends the edit with the text, Escape ends it
// without. Main (UI) thread.
class ORLSystemBox : public juce::TextEditor
{
  public:
    static constexpr int kMaxCharacters = 255;
    static constexpr int kMaxReadBack = 99;

    struct Style
    {
        juce::Font font;
        juce::Colour textColor;
        juce::Justification justification = juce::Justification::centredLeft;
        juce::Image background; // the view, drawn offscreen at the field's size
    };

    // Called once, when the edit ends; true when the text is taken. The box may be destroyed
    // only after the call returns.
    std::function<void(bool taken)> onEnd;
    // Offered the Tab key first (true with Shift); answers whether it used the key.
    std::function<bool(bool shift)> onTab;

    ORLSystemBox(const juce::String& text, const Style& style);

    // The field's place for a text edit at r with a font of the given size: as high as the
    // font, around the whole-pixel vertical centre.
    static juce::Rectangle<int> placeFor(const ORLRect& r, double fontSize);

    // At most 99 characters of the text.
    juce::String getResultText() const;

    void paint(juce::Graphics& g) override;
    bool keyPressed(const juce::KeyPress& key) override;
    void focusLost(FocusChangeType cause) override;

  protected:
    // The toolkit would post these keys to itself; the edit ends at once instead.
    void returnPressed() override;
    void escapePressed() override;

  private:
    void end(bool taken);

    juce::Image background;
    bool ended = false;
};
} // namespace Orlund
