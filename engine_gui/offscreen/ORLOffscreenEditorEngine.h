#pragma once

#include "CORLControlListener.h"
#include "CORLViewContainerWrapper.h"
#include "ORLChordwellEditor.h"
#include "ORLMasterGraphicalEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>
#include <vector>

namespace Orlund
{
// A graphics engine for the product editor without a window: the panels live in a toolkit
// component that is never put on the desktop, so they can be drawn into an image without an
// X server. Control changes reach the editor as in a window; parameter edits go to a
// callback. Needs an initialised toolkit (juce::ScopedJuceInitialiser_GUI).
// Main (UI) thread only.
class ORLOffscreenEditorEngine : public ORLMasterGraphicalEngine, public CORLControlListener
{
  public:
    // Called for every parameter edit of the editor (tag 0-7, value).
    std::function<void(int32_t tag, double value)> onParameterEdited;
    // Called for every press offered to the host (tag, button state).
    std::function<void(int32_t tag, int32_t buttons)> onHostMouseDown;

    ORLOffscreenEditorEngine();
    ~ORLOffscreenEditorEngine() override;

    // Builds the editor's panels (closing them first if open).
    void open();
    // Tears them down: the editor forgets its controls, then the views are destroyed.
    void close();
    bool isOpen() const { return frame != nullptr; }

    // The panel area as it would be on screen (editor rectangle size).
    juce::Image render();
    ORLChordwellEditor& getEditor() { return editor; }
    // The component that stands in for the window; null while closed.
    juce::Component* getFrame() { return frame.get(); }

    void setFrameBackground(int32_t resource) override;
    void addView(ORLViewContainer* container) override;
    void removeView(ORLViewContainer* container) override;
    ORLViewContainer* createViewContainer(const ORLRect& r) override;
    ORLBitmap* loadBitmap(int32_t resource, int32_t flags) override;
    void getMousePosition(ORLPoint& p) override;
    void getMouseButtons(int32_t& state) override;
    void setKnobMode(int32_t mode) override;
    void parameterEdited(int32_t tag, double value) override;
    void resizeEditor(int32_t width, int32_t height) override;
    void hostMouseDown(int32_t tag, int32_t buttons) override;
    void idle() override;
    void updateDisplay(int32_t tag, double value) override;
    void setPresetBarValue(intptr_t value) override;

    void valueChanged(int32_t tag, float value) override;
    void beginEdit(int32_t tag) override;
    void endEdit(int32_t tag) override;

  private:
    class Frame : public juce::Component
    {
      public:
        void paint(juce::Graphics& g) override;
        juce::Image background;
    };

    CORLViewContainerWrapper* find(ORLViewContainer* container) const;

    ORLChordwellEditor editor;
    std::unique_ptr<Frame> frame;
    std::vector<std::unique_ptr<CORLViewContainerWrapper>> containers;
};
} // namespace Orlund
