#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace Orlund
{
// What the host holds of the plug-in window: a component of device pixels that shows the
// frame (the panel and the preset bar, laid out in 1x units) at a scale from 1 to 3. The
// window asks for round(width * scale) x round(height * scale); a host that gives it another
// size gets every pixel painted: the frame centred on the frame's dark background when the
// window is larger, anchored top-left when it is smaller. A right click that no control takes
// offers the user's zoom (onZoomChosen with the percent chosen). Main (UI) thread only.
class ORLScaledWindow : public juce::Component
{
  public:
    ORLScaledWindow(juce::Component& frame, juce::Colour background);
    ~ORLScaledWindow() override;

    // The scale to draw the frame at (clamped to 1..3; NaN is 1), laid out at once.
    void setScale(float scale);
    float getScale() const { return scale; }
    // The window's size at the current scale.
    juce::Rectangle<int> wantedBounds() const;
    // The size of a frame of width x height units at a scale.
    static juce::Rectangle<int> scaledBounds(int width, int height, float scale);
    // A scale as the window keeps it (1..3; NaN is 1).
    static float clampScale(float scale);

    // Main thread. Shows the zoom menu at a point of the window, the current zoom ticked.
    void showZoomMenu(juce::Point<int> at);
    void setZoomPercent(int percent) { zoomPercent = percent; }
    std::function<void(int percent)> onZoomChosen;

    void paint(juce::Graphics& g) override;
    void resized() override;
    void mouseDown(const juce::MouseEvent& e) override;

  private:
    void layout();

    juce::Component& frame;
    juce::Colour background;
    float scale = 1.0f;
    int zoomPercent = 100;
};
} // namespace Orlund
