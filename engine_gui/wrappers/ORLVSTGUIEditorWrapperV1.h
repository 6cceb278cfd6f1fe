#pragma once

#include "CORLControlListener.h"
#include "ORLChordwellEditor.h"
#include "ORLHintTracker.h"
#include "ORLIdlePace.h"
#include "ORLMasterGraphicalEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>
#include <pluginterfaces/gui/iplugview.h>
#include <public.sdk/source/common/pluginview.h>

#include <memory>
#include <vector>

namespace Orlund
{
class CORLViewContainerWrapper;
class ORLFrame;
class ORLScaledWindow;

// The plug-in window for the product editor: a plug-in view of the host that, once attached
// to a parent window, owns the frame with its panels, routes control changes to the editor
// and host-side changes to its displays, and runs the idle tick that drives the hints (every
// 30 ms while a hint may be due, slowly otherwise).
// Reference counted like every plug-in view: release() instead of delete.
// Main (UI) thread only.
class ORLVSTGUIEditorWrapperV1 : public ORLMasterGraphicalEngine,
                                 public Steinberg::CPluginView,
                                 public CORLControlListener,
                                 private juce::Timer
{
  public:
    static constexpr int kIdleMilliseconds = ORLIdlePace::kFastMilliseconds;
    static constexpr int32_t kHintsTag = 45;
    // The strip under the editor's panel that holds the preset bar.
    static constexpr int kPresetBarHeight = 19;

    ORLVSTGUIEditorWrapperV1();
    ~ORLVSTGUIEditorWrapperV1() override;

    // The platform type of a parent that is a component of the shared toolkit (drawn with
    // the host's own windows or offscreen, without an X server).
    static constexpr const char* kPlatformTypeToolkitComponent = "ORLToolkitComponent";
    // The platform type of a parent that is a window of the system: an HWND on Windows, an
    // X11 window id elsewhere (the texts of the SDK's kPlatformTypeHWND and
    // kPlatformTypeX11EmbedWindowID, which are not constants).
#ifdef _WIN32
    static constexpr const char* kPlatformTypeNativeWindow = "HWND";
#else
    static constexpr const char* kPlatformTypeNativeWindow = "X11EmbedWindowID";
#endif

    // Main thread. Opens the window in parent: a system window for kPlatformTypeNativeWindow,
    // a juce::Component for kPlatformTypeToolkitComponent; a null parent draws without any
    // window (offscreen pictures). The same as attached().
    bool openWindow(void* parent, const char* platformType = kPlatformTypeNativeWindow);
    // Main thread. Closes the window; the same as the plug-in view's removed().
    void closeWindow();
    bool isOpen() const
    {
        return windowHandle != nullptr;
    }
    // Main thread. The window's content as an image (empty while closed).
    juce::Image snapshot();

    ORLChordwellEditor& getEditor()
    {
        return *editor;
    }
    ORLFrame* getFrame() const
    {
        return frame.get();
    }

    // Main thread, any time (open or not). The host's scale (its content scale factor, the
    // window's DPI): the window is drawn at this times the user's zoom, within 1 to 3. NaN,
    // zero and negative scales count as 1. An open window asks its host for its new size.
    void setHostScale(float scale);
    float getHostScale() const
    {
        return hostScale;
    }
    // Main thread. The user's own zoom in percent (one of windowzoom::kChoices; others are
    // refused), stored for every later window; an open window asks for its new size.
    bool setUserZoom(int percent);
    int getUserZoom() const
    {
        return userZoom;
    }
    // The scale the window is drawn at.
    float getScale() const;
    // The scale of a window at a host's scale (NaN, zero and negative count as 1) and a zoom,
    // held to 1..3.
    static float windowScale(float hostScale, int zoomPercent);
    // The window's size at that scale (what getSize tells the host).
    Steinberg::ViewRect wantedRect() const;
    // Main thread. The host has given the window this size: all of it is painted.
    void hostResized(int width, int height);
    // A point of the window (device pixels) in the frame's units.
    juce::Point<int> toFrameUnits(juce::Point<int> windowPoint) const;
    const ORLHintTracker& getHints() const
    {
        return hints;
    }
    const ORLIdlePace& getIdlePace() const
    {
        return pace;
    }
    int32_t getHintsState() const
    {
        return hintsState;
    }

    // The graphics engine.
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

    // The window's listener.
    void valueChanged(int32_t tag, float value) override;
    void beginEdit(int32_t tag) override;
    void endEdit(int32_t tag) override;

    // The plug-in view.
    Steinberg::tresult PLUGIN_API attached(void* parent, Steinberg::FIDString type) override;
    void attachedToParent() override;
    void removedFromParent() override;
    Steinberg::tresult PLUGIN_API isPlatformTypeSupported(Steinberg::FIDString type) override;

    static int32_t getKnobMode();

  protected:
    // Builds what lives in the open window beyond the editor (the preset bar).
    virtual void openExtras() {}
    // Forgets what openExtras built, before the frame's views go.
    virtual void closeExtras() {}
    // Offers a control change to the extras before the editor.
    virtual void controlChangedBeforeEditor(int32_t, double) {}
    // Shows a host-side change in the extras after the editor.
    virtual void updateExtras(int32_t, double) {}
    // Asks the host to give the window this size, after the scale changed while open; true
    // when the host took it. The plug-in view's host frame (VST 3) by default.
    virtual bool requestWindowSize(int width, int height);
    // The frame's size in 1x units: the editor's panel and the strip under it.
    int frameWidth() const;
    int frameHeight() const;
    void setHintsState(int32_t state)
    {
        hintsState = state;
    }

  private:
    void timerCallback() override;
    CORLViewContainerWrapper* find(ORLViewContainer* container) const;
    void applyScale();

    void* windowHandle = nullptr;
    bool parentIsComponent = false;
    std::unique_ptr<ORLChordwellEditor> editor;
    std::unique_ptr<ORLFrame> frame;
    std::unique_ptr<ORLScaledWindow> window;
    float hostScale = 1.0f;
    int userZoom = 100;
    std::vector<std::unique_ptr<CORLViewContainerWrapper>> containers;
    ORLHintTracker hints;
    ORLIdlePace pace{[this](int period) { startTimer(period); }};
    int32_t hintsState = 1;
};
} // namespace Orlund
