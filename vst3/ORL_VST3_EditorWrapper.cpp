#include "ORL_VST3_EditorWrapper.h"

#include "ORL_VST3_Effect.h"

#include <cstring>

using namespace Steinberg;

ORL_VST3_EditorWrapper::ORL_VST3_EditorWrapper(ORL_VST3_Effect* effect)
    : effect(effect), runLoop(
                          [this]
                          {
                              if (this->effect != nullptr)
                                  this->effect->idle();
                          })
{
}

ORL_VST3_EditorWrapper::~ORL_VST3_EditorWrapper()
{
    runLoop.detach();
    closeWindow();
    unwire();
}

template <typename F> void ORL_VST3_EditorWrapper::intoEffect(F&& call)
{
    if (effect == nullptr)
        return;
    ORL_VST3_Effect* owner = effect;
    owner->enterMainCall();
    call();
    owner->leaveMainCall();
}

tresult PLUGIN_API ORL_VST3_EditorWrapper::isPlatformTypeSupported(FIDString type)
{
    return type != nullptr && std::strcmp(type, kPlatformTypeNativeWindow) == 0 ? kResultTrue
                                                                                : kResultFalse;
}

tresult PLUGIN_API ORL_VST3_EditorWrapper::attached(void* parent, FIDString type)
{
    if (effect == nullptr || parent == nullptr || isPlatformTypeSupported(type) != kResultTrue)
        return kResultFalse;
    connect(effect->masterController());
    // Attach to the host's loop first: the window's toolkit calls then run on its thread.
    runLoop.attach(plugFrame);
    const tresult result = ORLShellEditorWrapper::attached(parent, type);
    if (!isOpen())
    {
        runLoop.detach();
        return kResultFalse;
    }
    effect->editor = this;
    effect->hostSide.setEditor(this);
    showConnected();
    for (int32_t slot = 0; slot < 8; ++slot)
        updateDisplay(slot, effect->getParamNormalized(static_cast<Vst::ParamID>(slot)));
    return result;
}

tresult PLUGIN_API ORL_VST3_EditorWrapper::removed()
{
    const tresult result = ORLShellEditorWrapper::removed();
    runLoop.detach();
    unwire();
    return result;
}

tresult PLUGIN_API ORL_VST3_EditorWrapper::setContentScaleFactor(ScaleFactor factor)
{
    setHostScale(factor);
    return kResultTrue;
}

void ORL_VST3_EditorWrapper::unwire()
{
    if (effect != nullptr)
        effect->editorGone(this);
    disconnect();
}

void ORL_VST3_EditorWrapper::effectGone()
{
    closeWindow();
    runLoop.detach();
    disconnect();
    effect = nullptr;
}

void ORL_VST3_EditorWrapper::parameterEdited(int32_t tag, double value)
{
    intoEffect([&] { ORLShellEditorWrapper::parameterEdited(tag, value); });
}

void ORL_VST3_EditorWrapper::valueChanged(int32_t tag, float value)
{
    intoEffect([&] { ORLShellEditorWrapper::valueChanged(tag, value); });
}

void ORL_VST3_EditorWrapper::beginEdit(int32_t tag)
{
    intoEffect([&] { ORLShellEditorWrapper::beginEdit(tag); });
}

void ORL_VST3_EditorWrapper::endEdit(int32_t tag)
{
    intoEffect([&] { ORLShellEditorWrapper::endEdit(tag); });
}
