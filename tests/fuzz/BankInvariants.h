#pragma once

#include <PresetBank.h>

#include <cstring>

// What must hold after any image, however damaged, has been offered to a bank: every value
// stays normalized, every name stays terminated, the current index stays in the bank, and the
// bank still writes images of the product's sizes. A breach aborts the fuzzer run.
inline void checkBank(PresetBank& bank)
{
    if (bank.currentIndex() < 0 || bank.currentIndex() >= PresetBank::kPresetCount)
        __builtin_trap();
    for (int32_t i = 0; i < PresetBank::kPresetCount; ++i)
    {
        for (const PresetRecord* preset : {&bank.workingPreset(i), &bank.storedPreset(i)})
        {
            if (std::memchr(preset->name, 0, sizeof preset->name) == nullptr)
                __builtin_trap();
            for (float value : preset->values)
                if (!presetimage::isNormalized(value))
                    __builtin_trap();
        }
    }
    int32_t size = 0;
    bank.makeHostState(size);
    if (bank.makeBankImage().size() != presetimage::kBankImageSize ||
        bank.makePresetImage().size() != presetimage::kPresetImageSize ||
        size != static_cast<int32_t>(presetimage::kHostStateSize))
        __builtin_trap();
}
