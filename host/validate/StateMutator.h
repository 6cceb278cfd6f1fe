#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace validation
{
// The data with one random damage: a few bytes changed, cut short, bytes added, all noise, or
// a word set to an extreme. Main thread.
std::vector<uint8_t> mutate(std::vector<uint8_t> data, std::mt19937& random);
} // namespace validation
