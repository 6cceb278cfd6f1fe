#include "BankInvariants.h"

// The bytes of a bank file as loading one treats them: laid onto the working bank, then every
// preset committed whenever the code is right.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PresetBank bank(nullptr, false);
    bank.loadBankImage(std::span<const uint8_t>(data, size));
    checkBank(bank);
    return 0;
}
