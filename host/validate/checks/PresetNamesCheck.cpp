#include "validate/Checks.h"
#include "validate/PresetNameStates.h"

#include <cstring>
#include <string>

namespace validation
{
// Preset names are free bytes: whatever a name field holds, the bank's state is taken and
// given back with each name as it was (the 24th byte is the terminator; a name without one
// is cut to 23).
ValidateVerdict checkPresetNames(const EffectDescription& effect, int level, Random& random)
{
    ValidateVerdict v;
    EffectInstance instance(effect, 0, 48000.0f);
    std::vector<uint8_t> fresh;
    if (instance.getChunk(statefile::kBankChunk, fresh) != AAX_SUCCESS)
    {
        v.fail("no bank state to start from");
        return v;
    }
    const PresetNameStates names =
        makePresetNameStates(fresh, level, static_cast<uint32_t>(random()));
    size_t kept = 0;
    for (size_t i = 0; i < names.states.size(); ++i)
    {
        const std::vector<uint8_t>& state = names.states[i];
        const AAX_Result result = instance.setChunk(statefile::kBankChunk, state);
        std::vector<uint8_t> back;
        if (result != AAX_SUCCESS || instance.getChunk(statefile::kBankChunk, back) != AAX_SUCCESS)
        {
            v.fail("names state " + std::to_string(i) + " was refused (" + std::to_string(result) +
                   ")");
            continue;
        }
        for (const size_t at : names.offsets)
        {
            const size_t text = PresetNameStates::kNameSize - 1;
            if (back.size() < at + PresetNameStates::kNameSize ||
                std::memcmp(back.data() + at, state.data() + at, text) != 0 || back[at + text] != 0)
                v.fail("names state " + std::to_string(i) + " changed a name's bytes");
            else
                ++kept;
        }
    }
    v.counts = std::to_string(names.states.size()) + " bank states with every byte value at " +
               "every place of a name: " + std::to_string(kept) + " names kept byte for byte";
    return v;
}
} // namespace validation
