#include "ORLShellController.h"

#include "ORLEditorDisplay.h"

#include <FactoryPresets.h>
#include <ParameterTable.h>
#include <PresetBank.h>
#include <RegistrySettings.h>

using namespace chordwell;

ORLShellController::ORLShellController()
{
    for (int slot = 0; slot < kSlotCount; ++slot)
        current[slot] = getParameterDefault(slot);
    controller = std::make_unique<ORLChordwellController>(this);
    // The bank starts as the factory bank.
    bank = std::make_unique<PresetBank>(this);
}

ORLShellController::~ORLShellController() = default;

ORLPresetModel* ORLShellController::getPresetModel()
{
    return bank.get();
}

void ORLShellController::sendToHost(int32_t index, double value)
{
    if (index < 0 || index >= kPublicSlotCount)
        return;
    // NaN becomes 0.0 for the host, which takes only values within 0..1.
    const double clamped = !(value >= 0.0) ? 0.0 : (value > 1.0 ? 1.0 : value);
    if (host != nullptr)
    {
        host->touchParameter(index);
        host->setParameterValue(index, clamped);
        host->releaseParameter(index);
    }
    if (!transferActive && (getParameterFlags(index) & kFlagReportedToPresets))
        bank->setParameterValue(index, value);
}

void ORLShellController::storeAndShow(int32_t index, double value)
{
    if (index >= 8)
    {
        if (editor != nullptr)
            editor->updateDisplay(index, value);
        if (index <= 16 && host != nullptr)
            host->internalValueSet(index, value);
    }
    if (index >= 0 && index <= 16)
        current[index] = value;
}

void ORLShellController::setParameter(int32_t index, double value)
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

void ORLShellController::editorControlChanged(int32_t index, double value)
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

void ORLShellController::recallPreset(int32_t index)
{
    if (index < 0 || index >= PresetBank::kPresetCount)
        return;
    bank->selectPreset(index);
    const PresetRecord& preset = bank->workingPreset(index);
    editorControlChanged(kBeginTransfer, 1.0);
    // sendToHost clamps the values; the preset model hears nothing of a transfer.
    for (int32_t slot = 0; slot < kPublicSlotCount; ++slot)
        editorControlChanged(slot, preset.values[slot]);
    editorControlChanged(kEndTransfer, 1.0);
}

void ORLShellController::hostChoseFactoryPreset(int32_t index)
{
    if (index < 0 || index >= PresetBank::kPresetCount)
        return;
    double values[kPublicSlotCount] = {};
    char name[32] = "";
    getFactoryPreset(index, values, name);
    bank->selectPreset(index);
    for (int32_t slot = 0; slot < kPublicSlotCount; ++slot)
    {
        current[slot] = values[slot];
        if (getParameterFlags(slot) & kFlagReportedToPresets)
            bank->setParameterValue(slot, values[slot]);
    }
}

void ORLShellController::editorGestureBegan(int32_t index)
{
    if (index < 0 || index >= kPublicSlotCount || gestureOpen(index))
        return;
    openGestures |= 1u << index;
    if (host != nullptr)
        host->beginGesture(index);
}

void ORLShellController::editorGestureEnded(int32_t index)
{
    if (!gestureOpen(index))
        return;
    openGestures &= ~(1u << index);
    if (host != nullptr)
        host->endGesture(index);
}

bool ORLShellController::gestureOpen(int32_t index) const
{
    return index >= 0 && index < kPublicSlotCount && (openGestures & (1u << index)) != 0;
}

void ORLShellController::hostParameterEcho(int32_t index, double value)
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

void ORLShellController::pushInternalToEditor()
{
    if (editor == nullptr)
        return;
    for (int32_t index = 8; index <= 16; ++index)
        if (current[index] != -1.0)
            editor->updateDisplay(index, current[index]);
}

double ORLShellController::currentValue(int32_t slot) const
{
    return slot >= 0 && slot < kSlotCount ? current[slot] : 0.0;
}

int32_t ORLShellController::saveGlobalValue(int32_t index, double value)
{
    return writeSetting(index, value);
}

int32_t ORLShellController::loadGlobalValue(int32_t index, double& value)
{
    return readSetting(index, value);
}
