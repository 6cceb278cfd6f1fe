#include "CORLTextLabelWrapper.h"

#include "CORLConversions.h"
#include "CORLFontWrapper.h"
#include "CORLGraphicsContext.h"
#include "ORLTextControl.h"

namespace Orlund
{
namespace
{
ORLTextControl& textControl(ORLBaseControl* c)
{
    return *static_cast<ORLTextControl*>(c);
}
} // namespace

CORLTextLabelWrapper::CORLTextLabelWrapper(ORLBaseControl* c, CORLControlListener* l,
                                           ORLMasterGraphicalEngine* e)
    : CORLEngineViewLink<ORLEngineTextEdit>(c, l, e), text(toJuceText(textControl(c).getText())),
      font(fontOf(textControl(c).getFont())), fontColor(toJuce(textControl(c).getFontColor())),
      background(toJuce(c->getBackgroundColor())), alignment(textControl(c).getAlignment())
{
    setInterceptsMouseClicks(false, false);
}

void CORLTextLabelWrapper::setText(const char* t)
{
    text = toJuceText(t);
    repaint();
}

void CORLTextLabelWrapper::setFont(ORLFont* f)
{
    font = fontOf(f);
    repaint();
}

void CORLTextLabelWrapper::setFontColor(ORLColor c)
{
    fontColor = toJuce(c);
    repaint();
}

juce::Justification CORLTextLabelWrapper::getJustification() const
{
    return CORLGraphicsContext<ORLDrawContext>::justificationFor(alignment);
}

void CORLTextLabelWrapper::paint(juce::Graphics& g)
{
    g.fillAll(background);
    g.setColour(fontColor);
    g.setFont(font);
    g.drawText(text, getLocalBounds().toFloat(), getJustification(), false);
}
} // namespace Orlund
