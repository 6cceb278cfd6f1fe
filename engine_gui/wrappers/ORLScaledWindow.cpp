#include "ORLScaledWindow.h"

#include "CORLControlView.h"
#include "WindowZoom.h"

#include <cmath>

namespace Orlund
{
ORLScaledWindow::ORLScaledWindow(juce::Component& shown, juce::Colour colour)
    : frame(shown), background(colour)
{
    setOpaque(true);
    addAndMakeVisible(frame);
    // Right clicks anywhere in the frame reach mouseDown, which keeps those on controls.
    frame.addMouseListener(this, true);
    setBounds(wantedBounds());
}

ORLScaledWindow::~ORLScaledWindow()
{
    frame.removeMouseListener(this);
    removeChildComponent(&frame);
}

float ORLScaledWindow::clampScale(float s)
{
    return std::isnan(s) ? 1.0f : juce::jlimit(1.0f, 3.0f, s);
}

juce::Rectangle<int> ORLScaledWindow::scaledBounds(int width, int height, float s)
{
    s = clampScale(s);
    return {juce::roundToInt(static_cast<float>(width) * s),
            juce::roundToInt(static_cast<float>(height) * s)};
}

juce::Rectangle<int> ORLScaledWindow::wantedBounds() const
{
    return scaledBounds(frame.getWidth(), frame.getHeight(), scale);
}

void ORLScaledWindow::setScale(float s)
{
    scale = clampScale(s);
    layout();
}

void ORLScaledWindow::resized()
{
    layout();
}

void ORLScaledWindow::layout()
{
    // Centred on whole device pixels when there is room, so the artwork stays on its pixels.
    const auto wanted = wantedBounds();
    const int x = juce::jmax(0, (getWidth() - wanted.getWidth()) / 2);
    const int y = juce::jmax(0, (getHeight() - wanted.getHeight()) / 2);
    frame.setTransform(juce::AffineTransform::scale(scale).translated(static_cast<float>(x),
                                                                      static_cast<float>(y)));
    repaint();
}

void ORLScaledWindow::paint(juce::Graphics& g)
{
    g.fillAll(background);
}

void ORLScaledWindow::mouseDown(const juce::MouseEvent& e)
{
    if (!e.mods.isPopupMenu())
        return;
    // Controls (and what they open) keep their own clicks; the rest is the window's.
    for (const juce::Component* c = e.eventComponent; c != nullptr && c != this;
         c = c->getParentComponent())
        if (dynamic_cast<const CORLControlView*>(c) != nullptr)
            return;
    showZoomMenu(e.getEventRelativeTo(this).getPosition());
}

void ORLScaledWindow::showZoomMenu(juce::Point<int> at)
{
    juce::PopupMenu menu;
    menu.addSectionHeader("Zoom");
    for (const int percent : windowzoom::kChoices)
        menu.addItem(percent, juce::String(percent) + " %", true, percent == zoomPercent);
    juce::Component::SafePointer<ORLScaledWindow> alive(this);
    menu.showMenuAsync(juce::PopupMenu::Options().withTargetComponent(this).withTargetScreenArea(
                           localAreaToGlobal(juce::Rectangle<int>(at.x, at.y, 1, 1))),
                       [alive](int chosen)
                       {
                           if (alive && chosen > 0 && alive->onZoomChosen)
                               alive->onZoomChosen(chosen);
                       });
}
} // namespace Orlund
