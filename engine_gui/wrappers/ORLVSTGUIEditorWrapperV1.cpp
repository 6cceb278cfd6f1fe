#include "ORLVSTGUIEditorWrapperV1.h"

#include "CORLBitmap.h"
#include "CORLBitmapWrapper.h"
#include "CORLFontWrapper.h"
#include "CORLViewContainerWrapper.h"
#include "HintsFlag.h"
#include "ORLFrame.h"
#include "ORLScaledWindow.h"
#include "RepaintRate.h"
#include "ShellOpen.h"
#include "WindowZoom.h"

#include <pluginterfaces/gui/iplugview.h>

#include <cmath>
#include <cstring>

namespace Orlund
{
namespace
{
// Process-wide and 0 from load; nothing in the product changes it.
int32_t knobMode = 0;
const juce::Colour kFrameBackground(33, 33, 33);

ORLMasterGraphicalEngine* withToolkitFonts(ORLMasterGraphicalEngine* engine)
{
    installToolkitFonts();
    return engine;
}
} // namespace

ORLVSTGUIEditorWrapperV1::ORLVSTGUIEditorWrapperV1()
    : editor(std::make_unique<ORLChordwellEditor>(withToolkitFonts(this)))
{
    editor->setWebOpener([](const char* address) { platform::shellOpen(address); });
    userZoom = windowzoom::storedPercent();
    setRect(wantedRect());
}

ORLVSTGUIEditorWrapperV1::~ORLVSTGUIEditorWrapperV1()
{
    closeWindow();
}

int ORLVSTGUIEditorWrapperV1::frameWidth() const
{
    return static_cast<int>(editor->getRect().getWidth());
}

int ORLVSTGUIEditorWrapperV1::frameHeight() const
{
    return static_cast<int>(editor->getRect().getHeight()) + kPresetBarHeight;
}

float ORLVSTGUIEditorWrapperV1::windowScale(float host, int zoomPercent)
{
    host = std::isnan(host) || host <= 0.0f ? 1.0f : host;
    return ORLScaledWindow::clampScale(host * static_cast<float>(zoomPercent) / 100.0f);
}

float ORLVSTGUIEditorWrapperV1::getScale() const
{
    return windowScale(hostScale, userZoom);
}

Steinberg::ViewRect ORLVSTGUIEditorWrapperV1::wantedRect() const
{
    const auto size = ORLScaledWindow::scaledBounds(frameWidth(), frameHeight(), getScale());
    return Steinberg::ViewRect(0, 0, size.getWidth(), size.getHeight());
}

void ORLVSTGUIEditorWrapperV1::setHostScale(float scale)
{
    hostScale = std::isnan(scale) || scale <= 0.0f ? 1.0f : scale;
    applyScale();
}

bool ORLVSTGUIEditorWrapperV1::setUserZoom(int percent)
{
    if (!windowzoom::storePercent(percent))
        return false;
    userZoom = percent;
    applyScale();
    return true;
}

void ORLVSTGUIEditorWrapperV1::applyScale()
{
    const Steinberg::ViewRect wanted = wantedRect();
    const bool changed =
        wanted.getWidth() != getRect().getWidth() || wanted.getHeight() != getRect().getHeight();
    setRect(wanted);
    if (!window)
        return;
    window->setZoomPercent(userZoom);
    window->setScale(getScale());
    // The host decides the window's size; without an answer the window takes it itself.
    if (changed && !requestWindowSize(wanted.getWidth(), wanted.getHeight()))
        hostResized(wanted.getWidth(), wanted.getHeight());
}

bool ORLVSTGUIEditorWrapperV1::requestWindowSize(int width, int height)
{
    if (!plugFrame)
        return false;
    Steinberg::ViewRect size(0, 0, width, height);
    return plugFrame->resizeView(this, &size) == Steinberg::kResultTrue;
}

void ORLVSTGUIEditorWrapperV1::hostResized(int width, int height)
{
    if (window && width > 0 && height > 0)
        window->setSize(width, height);
}

juce::Point<int> ORLVSTGUIEditorWrapperV1::toFrameUnits(juce::Point<int> p) const
{
    if (!window || !frame)
        return p;
    return frame->getLocalPoint(window.get(), p.toFloat()).toInt();
}

int32_t ORLVSTGUIEditorWrapperV1::getKnobMode()
{
    return knobMode;
}

Steinberg::tresult PLUGIN_API
ORLVSTGUIEditorWrapperV1::isPlatformTypeSupported(Steinberg::FIDString type)
{
    const bool known = type && (std::strcmp(type, kPlatformTypeNativeWindow) == 0 ||
                                std::strcmp(type, kPlatformTypeToolkitComponent) == 0);
    return known ? Steinberg::kResultTrue : Steinberg::kResultFalse;
}

bool ORLVSTGUIEditorWrapperV1::openWindow(void* parent, const char* platformType)
{
    if (isOpen())
        return true;
    attached(parent, platformType);
    return isOpen();
}

Steinberg::tresult PLUGIN_API ORLVSTGUIEditorWrapperV1::attached(void* parent,
                                                                 Steinberg::FIDString type)
{
    if (isPlatformTypeSupported(type) != Steinberg::kResultTrue)
        return Steinberg::kResultFalse;
    parentIsComponent = std::strcmp(type, kPlatformTypeToolkitComponent) == 0;
    return CPluginView::attached(parent, type);
}

void ORLVSTGUIEditorWrapperV1::closeWindow()
{
    if (isOpen())
        removed();
}

void ORLVSTGUIEditorWrapperV1::attachedToParent()
{
    if (frame)
        return;
    frame = std::make_unique<ORLFrame>(frameWidth(), frameHeight(), kFrameBackground);
    window = std::make_unique<ORLScaledWindow>(*frame, kFrameBackground);
    window->setZoomPercent(userZoom);
    window->setScale(getScale());
    window->setBounds(window->wantedBounds());
    window->onZoomChosen = [this](int percent) { setUserZoom(percent); };
    if (systemWindow && parentIsComponent)
        static_cast<juce::Component*>(systemWindow)->addAndMakeVisible(*window);
    else if (systemWindow)
    {
        // Only a window on the screen repaints on the display's clock.
        orl::assumeUsualRefreshRate();
        window->addToDesktop(0, systemWindow);
    }
    window->setVisible(true);
    editor->open();
    // Without a parent the window itself marks the window as open (offscreen pictures).
    windowHandle = window->isOnDesktop() ? window->getWindowHandle() : window.get();
    if (!windowHandle)
        windowHandle = window.get();
    openExtras();
    frame->addMouseListener(&pace, true);
    pace.hurry();
}

void ORLVSTGUIEditorWrapperV1::removedFromParent()
{
    if (!frame)
        return;
    stopTimer();
    pace.stopped();
    frame->removeMouseListener(&pace);
    windowHandle = nullptr;
    editor->close();
    closeExtras();
    frame->hideHint();
    if (window->isOnDesktop())
        window->removeFromDesktop();
    if (auto* parent = window->getParentComponent())
        parent->removeChildComponent(window.get());
    window.reset();
    frame->removeAllChildren();
    containers.clear();
    frame.reset();
}

juce::Image ORLVSTGUIEditorWrapperV1::snapshot()
{
    if (!window)
        return {};
    return window->createComponentSnapshot(window->getLocalBounds(), true, 1.0f);
}

void ORLVSTGUIEditorWrapperV1::setFrameBackground(int32_t resource)
{
    if (frame)
        frame->setBackgroundImage(CORLBitmap(resource));
}

CORLViewContainerWrapper* ORLVSTGUIEditorWrapperV1::find(ORLViewContainer* container) const
{
    for (const auto& owned : containers)
        if (owned.get() == container)
            return owned.get();
    return nullptr;
}

void ORLVSTGUIEditorWrapperV1::addView(ORLViewContainer* container)
{
    if (auto* wrapper = find(container); wrapper && frame)
    {
        frame->addAndMakeVisible(wrapper->getComponent());
        wrapper->getComponent().toFront(false);
    }
}

void ORLVSTGUIEditorWrapperV1::removeView(ORLViewContainer* container)
{
    if (auto* wrapper = find(container); wrapper && frame)
        frame->removeChildComponent(&wrapper->getComponent());
}

ORLViewContainer* ORLVSTGUIEditorWrapperV1::createViewContainer(const ORLRect& r)
{
    if (!frame)
        return nullptr;
    containers.push_back(std::make_unique<CORLViewContainerWrapper>(r, this, this));
    return containers.back().get();
}

ORLBitmap* ORLVSTGUIEditorWrapperV1::loadBitmap(int32_t resource, int32_t flags)
{
    return flags == 0 ? new CORLBitmapWrapper(resource) : nullptr;
}

void ORLVSTGUIEditorWrapperV1::getMousePosition(ORLPoint& p)
{
    p = hints.getPointerPosition();
}

void ORLVSTGUIEditorWrapperV1::getMouseButtons(int32_t& state)
{
    state = frame ? (hints.getButtons() & kORLButtonMask) : 0;
}

void ORLVSTGUIEditorWrapperV1::setKnobMode(int32_t mode)
{
    knobMode = mode;
}

void ORLVSTGUIEditorWrapperV1::parameterEdited(int32_t, double) {}

void ORLVSTGUIEditorWrapperV1::resizeEditor(int32_t, int32_t) {}

void ORLVSTGUIEditorWrapperV1::hostMouseDown(int32_t, int32_t) {}

void ORLVSTGUIEditorWrapperV1::idle()
{
    if (!frame)
        return;
    hints.sample(*frame);
    editor->idle();
    if (const int32_t flag = hintsFlag(); flag != hintsState)
        updateDisplay(kHintsTag, flag);
    hints.update(*frame, hintsState != 0);
    pace.settle(hints, hintsState != 0);
#ifdef _WIN32
    // The toolkit's windows on Windows repaint on the display's vertical blank, which a system
    // without a DXGI output (Wine on a virtual display, some remote sessions) never reports:
    // the idle tick hands over what is due, so the window never freezes.
    for (int i = 0; i < juce::ComponentPeer::getNumPeers(); ++i)
        juce::ComponentPeer::getPeer(i)->performAnyPendingRepaintsNow();
#endif
}

void ORLVSTGUIEditorWrapperV1::timerCallback()
{
    idle();
}

void ORLVSTGUIEditorWrapperV1::updateDisplay(int32_t tag, double value)
{
    editor->updateParameterDisplay(tag, value);
    updateExtras(tag, value);
}

void ORLVSTGUIEditorWrapperV1::setPresetBarValue(intptr_t) {}

void ORLVSTGUIEditorWrapperV1::valueChanged(int32_t tag, float value)
{
    controlChangedBeforeEditor(tag, value);
    editor->controlChanged(tag, value);
}

void ORLVSTGUIEditorWrapperV1::beginEdit(int32_t) {}

void ORLVSTGUIEditorWrapperV1::endEdit(int32_t) {}
} // namespace Orlund
