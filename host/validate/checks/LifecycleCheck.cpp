#include "validate/Checks.h"

#include <string>

namespace validation
{
ValidateVerdict checkLifecycles(const EffectDescription& effect, int level, Random& random)
{
    ValidateVerdict v;
    const int count = 100 * level;
    uint64_t blocks = 0, bad = 0;
    std::vector<float> input(256);
    for (int i = 0; i < count; ++i)
    {
        const size_t component = static_cast<size_t>(i) % effect.components.size();
        const float rate = kRates[static_cast<size_t>(i) % std::size(kRates)];
        Rig rig(effect, component, rate);
        fill(input, Input::Noise, random);
        auto check = [&](const float* const* s, int c, size_t n)
        {
            for (int k = 0; k < c; ++k)
                bad += badSamples(s[k], n);
        };
        rig.render(input, 128, check);
        // Re-initialised at another rate, as a host does when the session's rate changes.
        rig.instance.setSampleRate(kRates[(static_cast<size_t>(i) + 3) % std::size(kRates)]);
        rig.render(input, 128, check);
        blocks += 4;
    }
    if (bad > 0)
        v.fail(std::to_string(bad) + " bad samples");
    v.counts = std::to_string(count) + " instances created, rendered at two rates and " +
               "discarded, " + std::to_string(blocks) + " blocks, 0 crashes";
    return v;
}
} // namespace validation
