#include "StateMutator.h"

namespace validation
{
std::vector<uint8_t> mutate(std::vector<uint8_t> data, std::mt19937& random)
{
    std::uniform_int_distribution<int> kind(0, 4);
    std::uniform_int_distribution<int> byte(0, 255);
    auto at = [&](size_t size)
    { return std::uniform_int_distribution<size_t>(0, size == 0 ? 0 : size - 1)(random); };
    switch (kind(random))
    {
    case 0: // a few bytes changed
        for (int n = 1 + byte(random) % 8; n > 0 && !data.empty(); --n)
            data[at(data.size())] = static_cast<uint8_t>(byte(random));
        break;
    case 1: // cut short
        data.resize(at(data.size() + 1));
        break;
    case 2: // bytes added
        for (int n = 1 + byte(random); n > 0; --n)
            data.push_back(static_cast<uint8_t>(byte(random)));
        break;
    case 3: // nothing but noise
        for (uint8_t& b : data)
            b = static_cast<uint8_t>(byte(random));
        break;
    default: // a word set to an extreme
        if (data.size() >= 4)
        {
            const size_t p = at(data.size() - 3);
            const uint32_t extremes[] = {0, 0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, 0x7FC00000u};
            const uint32_t word = extremes[static_cast<size_t>(byte(random)) % 5];
            for (int k = 0; k < 4; ++k)
                data[p + static_cast<size_t>(k)] = static_cast<uint8_t>(word >> (8 * k));
        }
        break;
    }
    return data;
}
} // namespace validation
