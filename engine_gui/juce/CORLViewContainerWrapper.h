#pragma once

#include "CORLControlListener.h"
#include "ORLViewContainer.h"

#include "CORLBitmap.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

class ORLMasterGraphicalEngine;

namespace Orlund
{
class CORLControlView;

// A panel: a toolkit component with a background image or colour that hosts one view per
// control, made by the control's kind. The container owns those views (attached or removed)
// and destroys them, and with them their controls, when it goes. Main (UI) thread.
class CORLViewContainerWrapper : public ORLViewContainer
{
  public:
    CORLViewContainerWrapper(const ORLRect& r, CORLControlListener* listener,
                             ORLMasterGraphicalEngine* engine);
    ~CORLViewContainerWrapper() override;

    void setViewSize(const ORLRect& r) override;
    void setBackground(int32_t resource) override;
    void setBackgroundColor(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) override;
    void setAlphaValue(float alpha) override;
    void invalid() override;
    bool addControl(ORLBaseControl* control) override;
    bool removeControl(ORLBaseControl* control) override;
    int32_t tagAt(ORLPoint p) override;

    juce::Component& getComponent() { return panel; }

  private:
    class Panel : public juce::Component
    {
      public:
        void paint(juce::Graphics& g) override;
        CORLBitmap background{juce::Image()};
        juce::Colour backgroundColor = juce::Colours::transparentBlack;
    };

    CORLControlView* makeView(ORLBaseControl* control);

    Panel panel;
    CORLControlListener* listener;
    ORLMasterGraphicalEngine* engine;
    std::vector<std::unique_ptr<CORLControlView>> views;
};
} // namespace Orlund
