#pragma once

#include "CORLControlListener.h"
#include "ORLEngineView.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class ORLBaseControl;
class ORLMasterGraphicalEngine;

namespace Orlund
{
// What every toolkit view of a control shares: it owns its control (destroying the view
// clears the control's link and deletes it), keeps the view's value, tag and tooltip, and
// reports values to the window's listener. Main (UI) thread.
class CORLControlView : public juce::Component, public juce::SettableTooltipClient
{
  public:
    CORLControlView(ORLBaseControl* control, CORLControlListener* listener,
                    ORLMasterGraphicalEngine* engine);
    ~CORLControlView() override;

    ORLBaseControl* getControl() const { return control.get(); }
    int32_t getTag() const { return tag; }
    float getViewValue() const { return viewValue; }

  protected:
    // Links the control to its view interface; called by the subclass's constructor.
    void link(ORLEngineView* view);
    // Takes over the control's value and reports it with the tag.
    void reportValue();
    void setViewValue(double value);
    void setHintText(const char* text);
    void resizeTo(const ORLRect& r);
    // The control's rectangle is in panel pixels; so is this view's position.
    ORLPoint toPanel(juce::Point<float> local) const;

    std::unique_ptr<ORLBaseControl> control;
    CORLControlListener* listener;
    ORLMasterGraphicalEngine* engine;
    int32_t tag;
    float viewValue;
};
} // namespace Orlund
