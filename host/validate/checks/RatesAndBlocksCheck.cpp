#include "validate/Checks.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace validation
{
ValidateVerdict checkRatesAndBlocks(const EffectDescription& effect, int level, Random& random)
{
    ValidateVerdict v;
    std::vector<int32_t> blocks(std::begin(kBlocks), std::end(kBlocks));
    std::uniform_int_distribution<int32_t> anyBlock(1, 4096);
    for (int i = 0; i < 10 * level; ++i)
        blocks.push_back(anyBlock(random));
    std::vector<float> rates(std::begin(kRates), std::end(kRates));
    rates.insert(rates.end(), std::begin(kAbsurdRates), std::end(kAbsurdRates));
    uint64_t renders = 0, samples = 0, bad = 0;
    for (float rate : rates)
        for (int32_t block : blocks)
            for (Input kind : kInputs)
            {
                const size_t component = renders % effect.components.size();
                Rig rig(effect, component, rate);
                std::vector<float> input(static_cast<size_t>(std::max(4 * block, 2048)));
                fill(input, kind, random);
                // The input, then silence: what the input left behind must be clean too.
                input.resize(input.size() * 2, 0.0f);
                uint64_t here = 0;
                rig.render(input, block,
                           [&](const float* const* s, int c, size_t n)
                           {
                               for (int k = 0; k < c; ++k)
                                   here += badSamples(s[k], n);
                               samples += n * static_cast<size_t>(c);
                           });
                ++renders;
                if (here > 0)
                {
                    bad += here;
                    v.fail(std::to_string(here) + " bad samples at " + rateText(rate) + ", block " +
                           std::to_string(block) + ", " + inputName(kind));
                }
            }
    v.counts = std::to_string(rates.size()) + " rates x " + std::to_string(blocks.size()) +
               " block sizes x " + std::to_string(std::size(kInputs)) +
               " inputs = " + std::to_string(renders) + " renders, " + std::to_string(samples) +
               " samples, " + std::to_string(bad) + " NaN, Inf or subnormal";
    return v;
}
} // namespace validation
