#include "ORL_AAX_ControllerWrapper.h"

#include "ORLEditorDisplay.h"
#include "PresetModelFactory.h"

#include <AAX_CEffectParameters.h>
#include <ParameterTable.h>
#include <RegistrySettings.h>

using namespace chordwell;

ORL_AAX_ControllerWrapper::ORL_AAX_ControllerWrapper()
{
    for (int slot = 0; slot < kSlotCount; ++slot)
        current[slot] = getParameterDefault(slot);
    controller = std::make_unique<ORLChordwellController>(this);
    presetModel = makePresetModel(this);
}

ORL_AAX_ControllerWrapper::~ORL_AAX_ControllerWrapper() = default;

void ORL_AAX_ControllerWrapper::sendToHost(int32_t index, double value)
{
    if (index < 0 || index >= kPublicSlotCount)
        return;
    // NaN becomes 0.0 for the host, which takes only values within 0..1.
    const double clamped = !(value >= 0.0) ? 0.0 : (value > 1.0 ? 1.0 : value);
    if (owner != nullptr)
    {
        const char* id = getParameterIdentifier(index);
        owner->TouchParameter(id);
        owner->SetParameterNormalizedValue(id, clamped);
        owner->ReleaseParameter(id);
    }
    if (presetModel && !transferActive && (getParameterFlags(index) & kFlagReportedToPresets))
        presetModel->setParameterValue(index, value);
}

void ORL_AAX_ControllerWrapper::storeAndShow(int32_t index, double value)
{
    if (index >= 8)
    {
        if (editor != nullptr)
            editor->updateDisplay(index, value);
        if (index <= 16)
            pending.store(index, value);
    }
    if (index >= 0 && index <= 16)
        current[index] = value;
}

void ORL_AAX_ControllerWrapper::setParameter(int32_t index, double value)
{
    if (controller && !guard)
    {
        guard = true;
        controller->parameterChanged(index, value);
        guard = false;
    }
    sendToHost(index, value);
    storeAndShow(index, value);
}

void ORL_AAX_ControllerWrapper::editorControlChanged(int32_t index, double value)
{
    if (recording)
        ++counter;
    if (index == kBeginTransfer)
    {
        transferActive = true;
        recording = true;
        counter = 0;
        replayed = 0;
    }
    else if (index == kEndTransfer)
    {
        expectedEchoes = counter - 2;
        recording = false;
        counter = -1;
    }
    else if (index >= 0 && index < kPublicSlotCount)
    {
        // The engine hears of it through the host's packet.
        sendToHost(index, value);
        return;
    }
    storeAndShow(index, value);
}

void ORL_AAX_ControllerWrapper::hostParameterEcho(int32_t index, double value)
{
    if (expectedEchoes <= 0)
    {
        setParameter(index, value);
    }
    else if (replayed == 0)
    {
        setParameter(kBeginTransfer, 1.0);
        setParameter(index, value);
        ++replayed;
    }
    else if (replayed < expectedEchoes)
    {
        setParameter(index, value);
        ++replayed;
    }
    else
    {
        setParameter(index, value);
        setParameter(kEndTransfer, 1.0);
        expectedEchoes = 0;
        transferActive = false;
    }
}

bool ORL_AAX_ControllerWrapper::takePending(double* out)
{
    return pending.take(out);
}

void ORL_AAX_ControllerWrapper::pushInternalToEditor()
{
    if (editor == nullptr)
        return;
    for (int32_t index = 8; index <= 16; ++index)
        if (current[index] != -1.0)
            editor->updateDisplay(index, current[index]);
}

double ORL_AAX_ControllerWrapper::currentValue(int32_t slot) const
{
    return slot >= 0 && slot < kSlotCount ? current[slot] : 0.0;
}

int32_t ORL_AAX_ControllerWrapper::saveGlobalValue(int32_t index, double value)
{
    return writeSetting(index, value);
}

int32_t ORL_AAX_ControllerWrapper::loadGlobalValue(int32_t index, double& value)
{
    return readSetting(index, value);
}
