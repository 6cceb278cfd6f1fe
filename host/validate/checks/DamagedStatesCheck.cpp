#include "validate/Checks.h"
#include "validate/StateMutator.h"

#include <string>

namespace validation
{
ValidateVerdict checkFuzzedStates(const EffectDescription& effect, int level, Random& random)
{
    ValidateVerdict v;
    const int count = 1000 * level;
    int refused = 0, accepted = 0;
    const auto base = randomState(effect, random);
    EffectInstance instance(effect, 0, 48000.0f);
    for (int i = 0; i < count; ++i)
    {
        const statefile::Chunk& chunk = base[static_cast<size_t>(i) % base.size()];
        const std::vector<uint8_t> damaged = mutate(chunk.data, random);
        const auto before = statefile::encode(saveStateChunks(instance));
        const AAX_Result result = instance.setChunk(chunk.id, damaged);
        if (result == AAX_SUCCESS)
        {
            ++accepted;
            continue;
        }
        ++refused;
        if (statefile::encode(saveStateChunks(instance)) != before)
            v.fail("a refused '" + chunkName(chunk.id) + "' chunk (" + std::to_string(result) +
                   ") changed the state, state " + std::to_string(i));
    }
    v.counts = std::to_string(count) + " damaged chunks: " + std::to_string(refused) +
               " refused with nothing changed, " + std::to_string(accepted) +
               " accepted, 0 crashes";
    return v;
}
} // namespace validation
