#include "BankInvariants.h"

#include <ChordwellState.h>

#include <cstdlib>
#include <vector>

// A session state as a VST 3 host hands it back: whatever the reader accepts must lay onto a
// bank and write out again to the same bytes it read.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto decoded = chordwell::sessionstate::decode({data, size});
    if (!decoded)
        return 0;
    PresetBank bank(nullptr, false);
    const auto image = chordwell::sessionstate::stateImageOf(*decoded);
    bank.applyHostState(image.data(), image.size());
    checkBank(bank);
    if (decoded->values)
    {
        for (float v : *decoded->values)
            if (!(v >= 0.0f && v <= 1.0f))
                std::abort();
        // The host's state files give values too, but are written in their own format.
        const bool sessionLayout =
            size >= 4 && data[0] == 'O' && data[1] == 'R' && data[2] == 'L' && data[3] == '3';
        const auto again = chordwell::sessionstate::encode(*decoded->values, decoded->bankState);
        if (sessionLayout && again != std::vector<uint8_t>(data, data + size))
            std::abort();
    }
    return 0;
}
