#pragma once

#include "CORLBitmap.h"
#include "ORLHintFrame.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>

namespace Orlund
{
// The plug-in window's root: background colour and image, the panels, and the pointer state
// the idle tick reads. It follows every press, move and release inside the window (a release
// stores no buttons) and forgets both on leaving the window. Hints are drawn as a small
// bubble at the pointer. Main (UI) thread only.
class ORLFrame : public juce::Component, public ORLHintFrame
{
  public:
    ORLFrame(int width, int height, juce::Colour background);
    ~ORLFrame() override;

    void setBackgroundImage(const CORLBitmap& image);
    bool isHintVisible() const { return hint.isVisible(); }
    juce::String getHintText() const { return hint.text; }
    int32_t getLastButtons() const { return lastButtons; }

    bool isPointerInside() override { return pointerInside != 0; }
    ORLPoint getPointerPosition() override;
    // The platform's current state: a mouse button only while the last stored state also
    // had it, the keyboard modifiers as the platform reports them.
    int32_t getCurrentButtons() override;
    const void* findViewAt(ORLPoint p) override;
    std::string getTooltip(const void* view) override;
    void showHint(const std::string& text, const ORLRect& area) override;
    void hideHint() override;

    void paint(juce::Graphics& g) override;
    void mouseEnter(const juce::MouseEvent& e) override;
    void mouseMove(const juce::MouseEvent& e) override;
    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    void mouseExit(const juce::MouseEvent& e) override;

    // The same steps as the mouse handlers, for a given state (tests, synthetic input).
    void notePointer(int32_t buttons);
    void notePointerLeft();

  private:
    class HintBubble : public juce::Component
    {
      public:
        void paint(juce::Graphics& g) override;
        juce::String text;
    };

    juce::Colour backgroundColour;
    CORLBitmap backgroundImage{juce::Image()};
    HintBubble hint;
    uint8_t pointerInside = 0;
    int32_t lastButtons = 0;
};
} // namespace Orlund
