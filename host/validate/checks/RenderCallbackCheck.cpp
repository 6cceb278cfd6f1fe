#include "realtime/RealtimeWatch.h"
#include "validate/Checks.h"

#include <ParameterTable.h>
#include <iterator>
#include <string>

namespace validation
{
ValidateVerdict checkRenderCallback(const EffectDescription& effect, int level, Random& random)
{
    ValidateVerdict v;
    if (!realtime::available())
    {
        v.counts = std::string("skipped: ") + realtime::unavailableReason();
        return v;
    }
    const int count = 100 * level;
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const realtime::Counts before = realtime::counted();
    uint64_t blocks = 0;
    for (size_t component = 0; component < effect.components.size(); ++component)
    {
        Rig rig(effect, component, 48000.0f);
        rig.instance.watchRenderCallback(realtime::watch);
        const auto state = randomState(effect, random);
        std::vector<float> input(512);
        for (int i = 0; i < count; ++i)
        {
            // Between blocks: automation, edits, a rate change, a restored state; each
            // reaches the callback as new port values, a new rate or a new bank.
            rig.instance.automate(getParameterIdentifier(i % 8), unit(random));
            if (i % 7 == 0)
                rig.instance.setSampleRate(kRates[static_cast<size_t>(i) % std::size(kRates)]);
            if (i % 13 == 0)
                restoreStateChunks(rig.instance, state);
            fill(input, Input::Noise, random);
            rig.render(input, 128 + 64 * (i % 7), [](const float* const*, int, size_t) {});
            ++blocks;
        }
        rig.instance.watchRenderCallback(nullptr);
    }
    const realtime::Counts after = realtime::counted();
    const uint64_t allocations = after.allocations - before.allocations;
    const uint64_t locks = after.locks - before.locks;
    const uint64_t calls = after.systemCalls - before.systemCalls;
    if (allocations + locks + calls > 0)
        v.fail("the render callback allocated, locked or called the system");
    v.counts = std::to_string(blocks) + " render calls between automation, rate changes and " +
               "state restores: " + std::to_string(allocations) + " allocations, " +
               std::to_string(locks) + " locks, " + std::to_string(calls) + " system calls";
    return v;
}
} // namespace validation
