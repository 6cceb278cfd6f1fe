#include "validate/Checks.h"

#include <ParameterTable.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace validation
{
namespace
{
constexpr float kRate = 22050.0f;
constexpr int32_t kBlock = 512;

// Collects a rendered block's samples, interleaved.
auto keepInto(std::vector<float>& into)
{
    return [&into](const float* const* s, int c, size_t n)
    {
        for (size_t k = 0; k < n; ++k)
            for (int channel = 0; channel < c; ++channel)
                into.push_back(s[channel][k]);
    };
}

// One parameter set played through an instance. The engine keeps a tiny signal of its own
// circulating (its guard against subnormal numbers), which full Decay and Mix can hold near
// 1e-7 for ever. The input's tail is what the output differs by from a twin that heard only
// silence with the same settings and automation.
class TailRun
{
  public:
    TailRun(const EffectDescription& effect, bool withTwin)
        : rig(effect, 0, kRate), twin(withTwin ? std::make_unique<Rig>(effect, 0, kRate) : nullptr)
    {
    }

    void edit(int slot, double value)
    {
        rig.instance.edit(getParameterIdentifier(slot), value);
        if (twin)
            twin->instance.edit(getParameterIdentifier(slot), value);
    }

    void automate(int slot, double value)
    {
        rig.instance.automate(getParameterIdentifier(slot), value);
        if (twin)
            twin->instance.automate(getParameterIdentifier(slot), value);
    }

    // Renders the same stretch through both; the twin hears silence.
    void run(const std::vector<float>& in, int32_t block)
    {
        heard.clear();
        quiet.clear();
        rig.render(in, block, keepInto(heard));
        const size_t channels = in.empty() ? 1 : heard.size() / in.size();
        if (twin)
            twin->render(std::vector<float>(in.size(), 0.0f), block, keepInto(quiet));
        for (size_t k = 0; k < heard.size(); ++k)
        {
            peak = std::max(peak, std::fabs(heard[k]));
            const float own = twin ? std::fabs(heard[k] - quiet[k]) : std::fabs(heard[k]);
            if (!(own < kTailFloor))
                lastLoud = std::max(lastLoud, position + k / channels);
        }
        position += in.size();
    }

    float peak = 0.0f;
    size_t position = 0, lastLoud = 0;

  private:
    Rig rig;
    std::unique_ptr<Rig> twin;
    std::vector<float> heard, quiet;
};

// Sets every slot (the first set to the longest ringing there is: full Decay, no Damp, the
// highest Transpose, wet only) and returns the values as text.
std::string setValues(TailRun& run, bool longestRinging, Random& random)
{
    const double longest[8] = {1.0, 1.0, 1.0, 0.0, 1.0, 0.5, 0.0, 0.0};
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::string values;
    for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
    {
        const double value = longestRinging ? longest[slot]
                             : slot == 7    ? std::round(unit(random))
                                            : unit(random);
        run.edit(slot, value);
        char text[16];
        std::snprintf(text, sizeof text, "%s%.3f", slot == 0 ? "" : " ", value);
        values += text;
    }
    return values;
}

// What all the sets came to, for the summary.
struct Totals
{
    float worstPeak = 0.0f;
    double longestTail = 0.0;
    std::string longestValues;
    int tails = 0;
};

// One set: a burst of noise with a random slot automated in its middle, then half a second of
// settling; every hundredth set also rings down to silence.
void playSet(const EffectDescription& effect, int i, Random& random, Totals& totals,
             ValidateVerdict& v)
{
    const auto burst = static_cast<size_t>(0.05 * kRate);
    const auto cap = static_cast<size_t>(kTail * kRate);
    const std::vector<float> second(static_cast<size_t>(kRate), 0.0f);
    const bool ringsOut = i % 100 == 0;
    TailRun run(effect, ringsOut);
    const std::string values = setValues(run, i == 0, random);
    std::vector<float> input(burst);
    fill(input, Input::Noise, random);
    run.run(std::vector<float>(input.begin(), input.begin() + burst / 2), kBlock);
    if (i > 0)
    {
        std::uniform_int_distribution<int> slotOf(0, chordwell::kPublicSlotCount - 1);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        const int slot = slotOf(random);
        run.automate(slot, unit(random));
    }
    run.run(std::vector<float>(input.begin() + burst / 2, input.end()), kBlock);
    run.run(std::vector<float>(static_cast<size_t>(0.5 * kRate), 0.0f), 4096);
    totals.worstPeak = std::max(totals.worstPeak, run.peak);
    if (!(run.peak <= kPeakBound))
        v.fail("peak " + std::to_string(run.peak) + " with values " + values);
    if (!ringsOut)
        return;
    ++totals.tails;
    // Rings down until a whole second of the input's tail stays below the floor, or the
    // bound is passed.
    while (run.position - run.lastLoud < second.size() &&
           run.position < burst + cap + second.size())
        run.run(second, 4096);
    const double ring =
        static_cast<double>(run.lastLoud > burst ? run.lastLoud - burst : 0) / kRate;
    if (ring > totals.longestTail)
    {
        totals.longestTail = ring;
        totals.longestValues = values;
    }
    if (run.lastLoud >= burst + cap)
        v.fail("still above 1e-7 after " + std::to_string(kTail) + " s with values " + values);
}
} // namespace

ValidateVerdict checkParametersAndTail(const EffectDescription& effect, int level, Random& random)
{
    ValidateVerdict v;
    const int count = 1000 * level;
    Totals totals;
    for (int i = 0; i < count; ++i)
        playSet(effect, i, random, totals, v);
    char text[320];
    std::snprintf(text, sizeof text,
                  "%d random parameter sets with automation, peak %.2f (bound %.0f); %d tails "
                  "rung down to 1e-7, the longest in %.1f s (bound %.0f s; values %s)",
                  count, static_cast<double>(totals.worstPeak), static_cast<double>(kPeakBound),
                  totals.tails, totals.longestTail, kTail, totals.longestValues.c_str());
    v.counts = text;
    return v;
}
} // namespace validation
