#include "PresetState.h"

#include <PresetBank.h>

#include <cstring>

std::vector<uint8_t> stateChunkOf(PresetBank& bank)
{
    int32_t size = 0;
    const uint8_t* state = bank.makeHostState(size);
    std::vector<uint8_t> chunk(state, state + (size > 0 ? size : 0));
    constexpr uint32_t kClosingWord = 0x00300000;
    for (int i = 0; i < 2; ++i)
    {
        uint8_t word[4];
        std::memcpy(word, &kClosingWord, 4);
        chunk.insert(chunk.end(), word, word + 4);
    }
    return chunk;
}

std::vector<uint8_t> factoryPresetChunk(int preset)
{
    PresetBank bank(nullptr, false);
    bank.selectPreset(preset);
    return stateChunkOf(bank);
}
