#include "BankInvariants.h"

// A memo slot's stored value as recalling it treats it: the current preset's working values
// only, nothing committed; COMPARE must still work on the result.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PresetBank bank(nullptr, false);
    bank.setParameterValue(2, 0.9);
    bank.applyPresetImage(std::span<const uint8_t>(data, size));
    bank.toggleCompare();
    bank.toggleCompare();
    checkBank(bank);
    return 0;
}
