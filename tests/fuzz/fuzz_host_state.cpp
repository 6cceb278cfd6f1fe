#include "BankInvariants.h"

#include <vector>

// A state block as the host hands it back from a project.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PresetBank bank(nullptr, false);
    bank.applyHostState(data, size);
    for (int32_t i = 0; i < PresetBank::kPresetCount; ++i)
        bank.commitPreset(i);
    checkBank(bank);
    return 0;
}
