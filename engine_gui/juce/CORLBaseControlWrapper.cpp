#include "CORLBaseControlWrapper.h"

#include "ORLBaseControl.h"
#include "ORLMasterGraphicalEngine.h"

namespace Orlund
{
CORLBaseControlWrapper::CORLBaseControlWrapper(ORLBaseControl* c, CORLControlListener* l,
                                               ORLMasterGraphicalEngine* e)
    : CORLEngineViewLink<ORLEngineView>(c, l, e)
{
    setPaintingIsUnclipped(false);
}

void CORLBaseControlWrapper::paint(juce::Graphics& g)
{
    // Controls draw in panel pixels.
    g.setOrigin(-getX(), -getY());
    g.setImageResamplingQuality(juce::Graphics::highResamplingQuality);
    setGraphics(&g);
    control->draw(*this);
    setGraphics(nullptr);
}

void CORLBaseControlWrapper::mouseDown(const juce::MouseEvent& e)
{
    const int32_t buttons = toButtonState(e, true);
    tracking = control->onMouseDown(toPanel(e.position), buttons) == kORLMouseHandled;
    if (control && control->getHostMouseDown() && engine)
        engine->hostMouseDown(tag, buttons);
}

void CORLBaseControlWrapper::mouseDrag(const juce::MouseEvent& e)
{
    if (tracking)
        control->onMouseMoved(toPanel(e.position), toButtonState(e, false));
}

void CORLBaseControlWrapper::mouseMove(const juce::MouseEvent& e)
{
    control->onMouseMoved(toPanel(e.position), toButtonState(e, false));
}

void CORLBaseControlWrapper::mouseUp(const juce::MouseEvent& e)
{
    if (!tracking)
        return;
    tracking = false;
    control->onMouseUp(toPanel(e.position), toButtonState(e, false));
}

void CORLBaseControlWrapper::mouseEnter(const juce::MouseEvent& e)
{
    control->onMouseEntered(toPanel(e.position), toButtonState(e, false));
}

void CORLBaseControlWrapper::mouseExit(const juce::MouseEvent& e)
{
    control->onMouseExited(toPanel(e.position), toButtonState(e, false));
}

void CORLBaseControlWrapper::mouseWheelMove(const juce::MouseEvent& e,
                                            const juce::MouseWheelDetails& w)
{
    const double notches = w.deltaY / kToolkitWheelNotch;
    if (!control->onWheel(toPanel(e.position), notches, toButtonState(e, false)))
        Component::mouseWheelMove(e, w);
}
} // namespace Orlund
