#include "CORLControlView.h"

#include "CORLConversions.h"
#include "ORLBaseControl.h"

namespace Orlund
{
CORLControlView::CORLControlView(ORLBaseControl* c, CORLControlListener* l,
                                 ORLMasterGraphicalEngine* e)
    : control(c), listener(l), engine(e), tag(c->getTag()),
      viewValue(static_cast<float>(c->getValue()))
{
    setBounds(toJuceInt(c->getRect()));
    setTooltip(toJuceText(c->getHint()));
}

CORLControlView::~CORLControlView()
{
    if (control)
        control->setEngineView(nullptr);
}

void CORLControlView::link(ORLEngineView* view)
{
    control->setEngineView(view);
}

void CORLControlView::reportValue()
{
    viewValue = static_cast<float>(control->getValue());
    if (listener)
        listener->valueChanged(tag, viewValue);
}

void CORLControlView::setViewValue(double value)
{
    viewValue = static_cast<float>(value);
    repaint();
}

void CORLControlView::setHintText(const char* text)
{
    setTooltip(toJuceText(text));
}

void CORLControlView::resizeTo(const ORLRect& r)
{
    setBounds(toJuceInt(r));
    if (auto* parent = getParentComponent())
        parent->childBoundsChanged(this);
}

ORLPoint CORLControlView::toPanel(juce::Point<float> local) const
{
    return {static_cast<double>(local.x + getX()), static_cast<double>(local.y + getY())};
}
} // namespace Orlund
