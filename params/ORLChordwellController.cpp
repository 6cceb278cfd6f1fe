#include "ORLChordwellController.h"

#include "ORLMasterController.h"
#include "ORLPresetModel.h"
#include "ParameterTable.h"

void ORLChordwellController::parameterChanged(int32_t, double) {}

void ORLChordwellController::reserved() {}

int32_t ORLChordwellController::getStateImage(const void** image)
{
    ORLPresetModel* model = owner != nullptr ? owner->getPresetModel() : nullptr;
    if (model == nullptr)
    {
        *image = nullptr;
        return 0;
    }
    int32_t size = 0;
    *image = model->makeHostState(size);
    return size;
}

bool ORLChordwellController::setStateImage(const void* data, int32_t size, const void*)
{
    ORLPresetModel* model = owner != nullptr ? owner->getPresetModel() : nullptr;
    if (model == nullptr)
        return false;
    if (data != nullptr)
    {
        // A refused image must not commit the presets or resend the values: the host
        // reports the refusal and the instance stays as it was.
        if (!model->applyHostState(static_cast<const uint8_t*>(data),
                                   size > 0 ? static_cast<size_t>(size) : 0))
            return false;
        owner->setParameter(chordwell::kBankStateSlot,
                            static_cast<double>(model->extraHeaderValue()));
        for (int32_t preset = 0; preset < 10; ++preset)
            model->commitPreset(preset);
        model->commitPreset(model->currentIndex());
    }
    for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
    {
        double value = 0.0;
        if (!model->currentValue(slot, value))
            value = 0.0;
        if (!(value >= 0.0))
            value = 0.0;
        else if (value > 1.0)
            value = 1.0;
        owner->setParameter(slot, value);
    }
    return true;
}
