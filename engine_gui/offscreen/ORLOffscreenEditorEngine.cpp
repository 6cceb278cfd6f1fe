#include "ORLOffscreenEditorEngine.h"

#include "CORLBitmap.h"
#include "CORLBitmapWrapper.h"
#include "CORLConversions.h"
#include "CORLFontWrapper.h"

namespace Orlund
{
namespace
{
// The knob mode is process-wide and nothing here changes it from 0.
int32_t knobMode = 0;

ORLMasterGraphicalEngine* installFonts(ORLMasterGraphicalEngine* engine)
{
    installToolkitFonts();
    return engine;
}
} // namespace

ORLOffscreenEditorEngine::ORLOffscreenEditorEngine() : editor(installFonts(this)) {}

ORLOffscreenEditorEngine::~ORLOffscreenEditorEngine()
{
    close();
}

void ORLOffscreenEditorEngine::Frame::paint(juce::Graphics& g)
{
    g.fillAll(juce::Colour(33, 33, 33));
    if (background.isValid())
        g.drawImageAt(background, 0, 0);
}

void ORLOffscreenEditorEngine::open()
{
    close();
    frame = std::make_unique<Frame>();
    frame->setBounds(toJuceInt(editor.getRect()));
    frame->setVisible(true);
    editor.open();
}

void ORLOffscreenEditorEngine::close()
{
    if (!frame)
        return;
    editor.close();
    frame->removeAllChildren();
    containers.clear();
    frame.reset();
}

juce::Image ORLOffscreenEditorEngine::render()
{
    if (!frame)
        return {};
    return frame->createComponentSnapshot(frame->getLocalBounds(), false, 1.0f);
}

void ORLOffscreenEditorEngine::setFrameBackground(int32_t resource)
{
    if (!frame)
        return;
    frame->background = CORLBitmap(resource).getImage();
    frame->repaint();
}

CORLViewContainerWrapper* ORLOffscreenEditorEngine::find(ORLViewContainer* container) const
{
    for (const auto& owned : containers)
        if (owned.get() == container)
            return owned.get();
    return nullptr;
}

void ORLOffscreenEditorEngine::addView(ORLViewContainer* container)
{
    if (auto* wrapper = find(container); wrapper && frame)
    {
        frame->addAndMakeVisible(wrapper->getComponent());
        wrapper->getComponent().toFront(false);
    }
}

void ORLOffscreenEditorEngine::removeView(ORLViewContainer* container)
{
    if (auto* wrapper = find(container); wrapper && frame)
        frame->removeChildComponent(&wrapper->getComponent());
}

ORLViewContainer* ORLOffscreenEditorEngine::createViewContainer(const ORLRect& r)
{
    if (!frame)
        return nullptr;
    containers.push_back(std::make_unique<CORLViewContainerWrapper>(r, this, this));
    return containers.back().get();
}

ORLBitmap* ORLOffscreenEditorEngine::loadBitmap(int32_t resource, int32_t flags)
{
    if (flags != 0)
        return nullptr;
    return new CORLBitmapWrapper(resource);
}

void ORLOffscreenEditorEngine::getMousePosition(ORLPoint& p)
{
    p = {-1.0, -1.0};
}

void ORLOffscreenEditorEngine::getMouseButtons(int32_t& state)
{
    state = 0;
}

void ORLOffscreenEditorEngine::setKnobMode(int32_t mode)
{
    knobMode = mode;
}

void ORLOffscreenEditorEngine::parameterEdited(int32_t tag, double value)
{
    if (onParameterEdited)
        onParameterEdited(tag, value);
}

void ORLOffscreenEditorEngine::resizeEditor(int32_t, int32_t) {}

void ORLOffscreenEditorEngine::hostMouseDown(int32_t tag, int32_t buttons)
{
    if (onHostMouseDown)
        onHostMouseDown(tag, buttons);
}

void ORLOffscreenEditorEngine::idle()
{
    editor.idle();
}

void ORLOffscreenEditorEngine::updateDisplay(int32_t tag, double value)
{
    editor.updateParameterDisplay(tag, value);
}

void ORLOffscreenEditorEngine::setPresetBarValue(intptr_t) {}

void ORLOffscreenEditorEngine::valueChanged(int32_t tag, float value)
{
    editor.controlChanged(tag, value);
}

void ORLOffscreenEditorEngine::beginEdit(int32_t) {}

void ORLOffscreenEditorEngine::endEdit(int32_t) {}
} // namespace Orlund
