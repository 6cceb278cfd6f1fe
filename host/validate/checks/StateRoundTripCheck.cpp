#include "validate/Checks.h"

#include <exception>
#include <string>

namespace validation
{
ValidateVerdict checkStateRoundTrips(const EffectDescription& effect, int level, Random& random)
{
    ValidateVerdict v;
    const int count = 100 * level;
    for (int i = 0; i < count; ++i)
    {
        const auto saved = randomState(effect, random);
        EffectInstance again(effect, static_cast<size_t>(i) % effect.components.size(), 48000.0f);
        try
        {
            restoreStateChunks(again, saved);
            const auto restored = saveStateChunks(again);
            if (statefile::encode(restored) != statefile::encode(saved))
                v.fail("round trip " + std::to_string(i) + " changed the state");
        }
        catch (const std::exception& e)
        {
            v.fail("round trip " + std::to_string(i) + ": " + e.what());
        }
    }
    v.counts = std::to_string(count) +
               " random states saved, restored into a new instance and "
               "saved again: " +
               std::to_string(count - static_cast<int>(v.failures)) + " byte-identical";
    return v;
}
} // namespace validation
