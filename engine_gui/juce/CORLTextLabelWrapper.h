#pragma once

#include "CORLEngineViewLink.h"

namespace Orlund
{
// The text label view (kind 10): draws the text over the control's background colour with
// the label's font, colour and alignment. It takes no clicks, so a press on a label reaches
// the view below it. Main (UI) thread.
class CORLTextLabelWrapper : public CORLEngineViewLink<ORLEngineTextEdit>
{
  public:
    CORLTextLabelWrapper(ORLBaseControl* control, CORLControlListener* listener,
                         ORLMasterGraphicalEngine* engine);

    void setText(const char* text) override;
    void setFont(ORLFont* font) override;
    void setFontColor(ORLColor color) override;
    void paint(juce::Graphics& g) override;

    const juce::String& getText() const { return text; }
    const juce::Font& getFont() const { return font; }
    juce::Colour getFontColor() const { return fontColor; }
    juce::Colour getBackground() const { return background; }
    juce::Justification getJustification() const;

  private:
    juce::String text;
    juce::Font font;
    juce::Colour fontColor;
    juce::Colour background;
    int32_t alignment;
};
} // namespace Orlund
