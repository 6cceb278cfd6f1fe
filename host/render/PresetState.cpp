#include "PresetState.h"

#include <BankState.h>
#include <PresetBank.h>

#include <iterator>

std::vector<uint8_t> stateChunkOf(PresetBank& bank)
{
    int32_t size = 0;
    const uint8_t* state = bank.makeHostState(size);
    std::vector<uint8_t> chunk(state, state + (size > 0 ? size : 0));
    chunk.insert(chunk.end(), std::begin(bankstate::kClosingWords),
                 std::end(bankstate::kClosingWords));
    return chunk;
}

std::vector<uint8_t> factoryPresetChunk(int preset)
{
    PresetBank bank(nullptr, false);
    bank.selectPreset(preset);
    return stateChunkOf(bank);
}
