#include "BankInvariants.h"

// The bytes of a preset file as loading one treats them: laid onto the current preset, then
// committed whenever the code is right.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PresetBank bank(nullptr, false);
    bank.selectPreset(static_cast<int32_t>(size % PresetBank::kPresetCount));
    bank.loadPresetImage(std::span<const uint8_t>(data, size));
    checkBank(bank);
    return 0;
}
