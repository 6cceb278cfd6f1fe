#include "PresetNameStates.h"

#include <PresetBank.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>

std::array<size_t, 10> presetNameOffsets()
{
    // A bank with names that can be found again in its host state.
    PresetBank bank(nullptr, false);
    for (int32_t i = 0; i < PresetBank::kPresetCount; ++i)
    {
        bank.selectPreset(i);
        bank.renameCurrentPreset(("#validate-name-" + std::to_string(i) + "#").c_str());
    }
    int32_t size = 0;
    const uint8_t* data = bank.makeHostState(size);
    const std::vector<uint8_t> state(data, data + size);
    std::array<size_t, 10> offsets{};
    for (int32_t i = 0; i < PresetBank::kPresetCount; ++i)
    {
        const char* name = bank.presetName(i);
        const auto at = std::search(state.begin(), state.end(), name, name + std::strlen(name));
        if (at == state.end())
            throw std::logic_error("a preset name is not in the bank's state");
        offsets[static_cast<size_t>(i)] = static_cast<size_t>(at - state.begin());
    }
    return offsets;
}

PresetNameStates makePresetNameStates(std::span<const uint8_t> bankState, int level, uint32_t seed)
{
    PresetNameStates out;
    out.offsets = presetNameOffsets();
    const std::array<size_t, 10>& offsets = out.offsets;
    if (bankState.size() < offsets.back() + PresetNameStates::kNameSize)
        throw std::invalid_argument("the bank state is too short for ten preset names");
    const std::vector<uint8_t> base(bankState.begin(), bankState.end());

    std::vector<std::array<uint8_t, PresetNameStates::kNameSize>> fields;
    const char* const carriers[] = {"Almost reverb", "\xC0 la claire fontaine!!"};
    for (const char* carrier : carriers)
        for (size_t place = 0; place < PresetNameStates::kNameSize; ++place)
            for (int byte = 0; byte < 256; ++byte)
            {
                std::array<uint8_t, PresetNameStates::kNameSize> field{};
                std::memcpy(field.data(), carrier, std::strlen(carrier));
                field[place] = static_cast<uint8_t>(byte);
                fields.push_back(field);
            }
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> anyByte(0, 255);
    for (int i = 0; i < 100 * level; ++i)
    {
        std::array<uint8_t, PresetNameStates::kNameSize> field{};
        for (uint8_t& b : field)
            b = static_cast<uint8_t>(anyByte(random));
        fields.push_back(field);
    }

    // State j holds fields j, j + n, j + 2n, ...: any run of states mixes places and values.
    const size_t count = (fields.size() + offsets.size() - 1) / offsets.size();
    for (size_t j = 0; j < count; ++j)
    {
        std::vector<uint8_t> state = base;
        for (size_t i = 0; i < offsets.size() && j + i * count < fields.size(); ++i)
            std::memcpy(state.data() + offsets[i], fields[j + i * count].data(),
                        PresetNameStates::kNameSize);
        out.states.push_back(std::move(state));
    }
    return out;
}
