#include "BankInvariants.h"

#include <cstdlib>
#include <vector>

// A state block as the host hands it back from a project. A refused block changes nothing.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PresetBank bank(nullptr, false);
    bank.selectPreset(2);
    bank.setParameterValue(4, 0.125);
    const std::vector<uint8_t> before = bank.makeBankImage();
    if (!bank.applyHostState(data, size) && bank.makeBankImage() != before)
        std::abort();
    for (int32_t i = 0; i < PresetBank::kPresetCount; ++i)
        bank.commitPreset(i);
    checkBank(bank);
    return 0;
}
