#include "ORL_VST3_HostParameters.h"

#include <ChordwellInstance.h>
#include <ORLEditorDisplay.h>
#include <ORLShellController.h>

#include <public.sdk/source/vst/vsteditcontroller.h>

ORL_VST3_HostParameters::ORL_VST3_HostParameters(Steinberg::Vst::EditController& controller,
                                                 ChordwellInstance& instance)
    : controller(controller), instance(instance)
{
}

bool ORL_VST3_HostParameters::inGesture(int32_t slot) const
{
    return instance.masterController().gestureOpen(slot);
}

void ORL_VST3_HostParameters::touchParameter(int32_t slot)
{
    if (!quiet(slot) && !inGesture(slot))
        controller.beginEdit(static_cast<Steinberg::Vst::ParamID>(slot));
}

void ORL_VST3_HostParameters::setParameterValue(int32_t slot, double value)
{
    const auto id = static_cast<Steinberg::Vst::ParamID>(slot);
    if (auto* parameter = controller.getParameterObject(id))
        parameter->setNormalized(value);
    instance.post(slot, value);
    // The master controller's re-send of an echo: the host has that value already.
    if (echoes.isResend(slot))
        return;
    controller.performEdit(id, value);
    if (!restoring)
        echoes.owe(slot, value);
    else if (editor != nullptr)
        editor->updateDisplay(slot, value);
}

void ORL_VST3_HostParameters::releaseParameter(int32_t slot)
{
    if (!quiet(slot) && !inGesture(slot))
        controller.endEdit(static_cast<Steinberg::Vst::ParamID>(slot));
}

void ORL_VST3_HostParameters::beginGesture(int32_t slot)
{
    controller.beginEdit(static_cast<Steinberg::Vst::ParamID>(slot));
}

void ORL_VST3_HostParameters::endGesture(int32_t slot)
{
    controller.endEdit(static_cast<Steinberg::Vst::ParamID>(slot));
}

void ORL_VST3_HostParameters::deliverEchoes()
{
    echoes.deliver(instance.masterController(),
                   [this](int32_t slot, double value)
                   {
                       if (editor != nullptr)
                           editor->updateDisplay(slot, value);
                   });
}
