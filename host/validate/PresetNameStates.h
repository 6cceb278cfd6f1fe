#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Bank states ('All ' chunk data) whose preset names hold every byte value at every place of
// the 24-byte name field, in an ASCII name and in one saved on Windows, and random fields:
// what validate shows the plug-in and its window. Any thread.
struct PresetNameStates
{
    static constexpr size_t kNameSize = 24;
    std::vector<std::vector<uint8_t>> states;
    std::array<size_t, 10> offsets{}; // presetNameOffsets(): where the names sit in each state
};

// Where each of the ten preset name fields sits in the plug-in's bank state ('All ' chunk
// data), which starts with the preset bank's host state.
std::array<size_t, 10> presetNameOffsets();

// Copies of a bank state the plug-in gave, with every byte value at each of the 24 places of
// two names (one ASCII, one saved on Windows), then 100 x level random name fields; ten
// fields per state, spread so that any run of states mixes places and values. Throws
// std::invalid_argument when bankState is too short to hold them.
PresetNameStates makePresetNameStates(std::span<const uint8_t> bankState, int level, uint32_t seed);
