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
    // Drawing in the panel's units, so images are placed against the panel's device origin.
    const juce::Component* panel = getParentComponent();
    setGraphics(&g, panel ? panel : this);
    control->draw(*this);
    setGraphics(nullptr);
}

bool CORLBaseControlWrapper::handleMouseDown(ORLPoint where, int32_t buttons)
{
    buttons &= kORLButtonMask;
    // A press is one gesture for the host: begun before the control's first value, ended
    // with the release (at once when the control does not follow the mouse).
    if (listener)
        listener->beginEdit(tag);
    tracking = control->onMouseDown(where, buttons) == kORLMouseHandled;
    if (!tracking && listener)
        listener->endEdit(tag);
    if (control->getHostMouseDown() && engine)
        engine->hostMouseDown(tag, buttons);
    return tracking;
}

bool CORLBaseControlWrapper::handleMouseMoved(ORLPoint where, int32_t buttons)
{
    return control->onMouseMoved(where, buttons & kORLButtonMask) == kORLMouseHandled;
}

bool CORLBaseControlWrapper::handleMouseUp(ORLPoint where, int32_t buttons)
{
    if (!tracking)
        return false;
    tracking = false;
    const bool handled = control->onMouseUp(where, buttons & kORLButtonMask) == kORLMouseHandled;
    if (listener)
        listener->endEdit(tag);
    return handled;
}

bool CORLBaseControlWrapper::handleWheel(ORLPoint where, double notches, int32_t buttons)
{
    return control->onWheel(where, notches, buttons & kORLButtonMask);
}

void CORLBaseControlWrapper::mouseDown(const juce::MouseEvent& e)
{
    handleMouseDown(toPanel(e.position), toButtonState(e, true));
}

void CORLBaseControlWrapper::mouseDrag(const juce::MouseEvent& e)
{
    // Moves belong to the press only when the control wanted them.
    if (tracking)
        handleMouseMoved(toPanel(e.position), toButtonState(e, false));
}

void CORLBaseControlWrapper::mouseMove(const juce::MouseEvent& e)
{
    handleMouseMoved(toPanel(e.position), toButtonState(e, false));
}

void CORLBaseControlWrapper::mouseUp(const juce::MouseEvent& e)
{
    handleMouseUp(toPanel(e.position), toButtonState(e, false));
}

void CORLBaseControlWrapper::mouseEnter(const juce::MouseEvent& e)
{
    control->onMouseEntered(toPanel(e.position), toButtonState(e, false) & kORLButtonMask);
}

void CORLBaseControlWrapper::mouseExit(const juce::MouseEvent& e)
{
    control->onMouseExited(toPanel(e.position), toButtonState(e, false) & kORLButtonMask);
}

void CORLBaseControlWrapper::mouseWheelMove(const juce::MouseEvent& e,
                                            const juce::MouseWheelDetails& w)
{
    if (!handleWheel(toPanel(e.position), w.deltaY / kToolkitWheelNotch, toButtonState(e, false)))
        Component::mouseWheelMove(e, w);
}
} // namespace Orlund
