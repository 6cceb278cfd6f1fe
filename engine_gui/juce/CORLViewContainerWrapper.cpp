#include "CORLViewContainerWrapper.h"

#include "CORLArtworkPainter.h"
#include "CORLBaseControlWrapper.h"
#include "CORLBitmap.h"
#include "CORLConversions.h"
#include "CORLOptionMenuWrapper.h"
#include "CORLTextEditWrapper.h"
#include "CORLTextLabelWrapper.h"
#include "ORLBaseControl.h"
#include "ORLTextControl.h"

namespace Orlund
{
CORLViewContainerWrapper::CORLViewContainerWrapper(const ORLRect& r, CORLControlListener* l,
                                                   ORLMasterGraphicalEngine* e)
    : listener(l), engine(e)
{
    panel.setBounds(toJuceInt(r));
}

CORLViewContainerWrapper::~CORLViewContainerWrapper()
{
    // Views go first (they hold the controls), children before their panel.
    panel.removeAllChildren();
    views.clear();
}

void CORLViewContainerWrapper::Panel::paint(juce::Graphics& g)
{
    g.fillAll(backgroundColor);
    paintArtwork(g, *this, background, background.getImage().getBounds(), {});
}

void CORLViewContainerWrapper::setViewSize(const ORLRect& r)
{
    panel.setBounds(toJuceInt(r));
    if (auto* parent = panel.getParentComponent())
        parent->childBoundsChanged(&panel);
}

void CORLViewContainerWrapper::setBackground(int32_t resource)
{
    panel.background = CORLBitmap(resource);
    panel.repaint();
}

void CORLViewContainerWrapper::setBackgroundColor(uint8_t red, uint8_t green, uint8_t blue,
                                                  uint8_t alpha)
{
    panel.backgroundColor = juce::Colour(red, green, blue, alpha);
    panel.repaint();
}

void CORLViewContainerWrapper::setAlphaValue(float alpha)
{
    panel.setAlpha(juce::jlimit(0.0f, 1.0f, alpha));
}

void CORLViewContainerWrapper::invalid()
{
    panel.repaint();
}

CORLControlView* CORLViewContainerWrapper::makeView(ORLBaseControl* control)
{
    // Text views read the text fields, so only text controls get them.
    const bool text = dynamic_cast<ORLTextControl*>(control) != nullptr;
    switch (control->getKind())
    {
    case kORLKindTextLabel:
        if (text)
            return new CORLTextLabelWrapper(control, listener, engine);
        break;
    case kORLKindTextEdit:
        if (text)
            return new CORLTextEditWrapper(control, listener, engine);
        break;
    case kORLKindOptionMenu:
        return new CORLOptionMenuWrapper(control, listener, engine);
    default:
        break;
    }
    return new CORLBaseControlWrapper(control, listener, engine);
}

bool CORLViewContainerWrapper::addControl(ORLBaseControl* control)
{
    if (!control)
        return false;
    auto* view = dynamic_cast<CORLControlView*>(control->getEngineView());
    if (!view)
    {
        if (control->getEngineView())
            return false; // hosted by another implementation
        view = makeView(control);
        views.emplace_back(view);
    }
    else if (view->getParentComponent() == &panel)
    {
        panel.removeChildComponent(view);
    }
    panel.addAndMakeVisible(view);
    return true;
}

bool CORLViewContainerWrapper::removeControl(ORLBaseControl* control)
{
    auto* view = control ? dynamic_cast<CORLControlView*>(control->getEngineView()) : nullptr;
    if (!view || view->getParentComponent() != &panel)
        return false;
    panel.removeChildComponent(view);
    return true;
}

int32_t CORLViewContainerWrapper::tagAt(ORLPoint p)
{
    const juce::Point<int> local(static_cast<int>(p.x) - panel.getX(),
                                 static_cast<int>(p.y) - panel.getY());
    for (int i = panel.getNumChildComponents(); --i >= 0;)
    {
        auto* view = dynamic_cast<CORLControlView*>(panel.getChildComponent(i));
        if (view && view->isVisible() && view->getBounds().contains(local))
            return view->getTag();
    }
    return -1;
}
} // namespace Orlund
