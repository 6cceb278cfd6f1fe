#include "validate/Checks.h"

#include <ParameterTable.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace validation
{
ValidateVerdict checkParametersAndTail(const EffectDescription& effect, int level, Random& random)
{
    ValidateVerdict v;
    const int count = 1000 * level;
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<int> slotOf(0, chordwell::kPublicSlotCount - 1);
    constexpr float kRate = 22050.0f;
    constexpr int32_t kBlock = 512;
    const auto burst = static_cast<size_t>(0.05 * kRate);
    const std::vector<float> settle(static_cast<size_t>(0.5 * kRate), 0.0f);
    const std::vector<float> second(static_cast<size_t>(kRate), 0.0f);
    const auto cap = static_cast<size_t>(kTail * kRate);
    std::vector<float> input(burst);
    float worstPeak = 0.0f;
    double longestTail = 0.0;
    std::string longestValues;
    int tails = 0;
    // Every hundredth set rings down to silence, and first of all the longest ringing there
    // is: full Decay, no Damp, the highest Transpose, wet only.
    const double longest[8] = {1.0, 1.0, 1.0, 0.0, 1.0, 0.5, 0.0, 0.0};
    for (int i = 0; i < count; ++i)
    {
        const bool ringsOut = i % 100 == 0;
        // The engine keeps a tiny signal of its own circulating (its guard against subnormal
        // numbers), which full Decay and Mix can hold near 1e-7 for ever. The input's tail is
        // what the output differs by from a twin that heard only silence with the same
        // settings and automation.
        Rig rig(effect, 0, kRate);
        std::unique_ptr<Rig> twin = ringsOut ? std::make_unique<Rig>(effect, 0, kRate) : nullptr;
        std::string values;
        for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
        {
            const double value = i == 0      ? longest[slot]
                                 : slot == 7 ? std::round(unit(random))
                                             : unit(random);
            rig.instance.edit(getParameterIdentifier(slot), value);
            if (twin)
                twin->instance.edit(getParameterIdentifier(slot), value);
            char text[16];
            std::snprintf(text, sizeof text, "%s%.3f", slot == 0 ? "" : " ", value);
            values += text;
        }
        fill(input, Input::Noise, random);
        float peak = 0.0f;
        size_t position = 0, lastLoud = 0;
        std::vector<float> heard, quiet;
        auto keep = [](std::vector<float>& into)
        {
            return [&into](const float* const* s, int c, size_t n)
            {
                for (size_t k = 0; k < n; ++k)
                    for (int channel = 0; channel < c; ++channel)
                        into.push_back(s[channel][k]);
            };
        };
        // Renders the same stretch through both; the twin hears silence.
        auto run = [&](const std::vector<float>& in, int32_t block)
        {
            heard.clear();
            quiet.clear();
            rig.render(in, block, keep(heard));
            const size_t channels = in.empty() ? 1 : heard.size() / in.size();
            if (twin)
                twin->render(std::vector<float>(in.size(), 0.0f), block, keep(quiet));
            for (size_t k = 0; k < heard.size(); ++k)
            {
                peak = std::max(peak, std::fabs(heard[k]));
                const float own = twin ? std::fabs(heard[k] - quiet[k]) : std::fabs(heard[k]);
                if (!(own < kTailFloor))
                    lastLoud = std::max(lastLoud, position + k / channels);
            }
            position += in.size();
        };
        // Automation while the input plays: a random slot moves in the middle of it.
        run(std::vector<float>(input.begin(), input.begin() + burst / 2), kBlock);
        if (i > 0)
        {
            const int slot = slotOf(random);
            const double value = unit(random);
            rig.instance.automate(getParameterIdentifier(slot), value);
            if (twin)
                twin->instance.automate(getParameterIdentifier(slot), value);
        }
        run(std::vector<float>(input.begin() + burst / 2, input.end()), kBlock);
        run(settle, 4096);
        worstPeak = std::max(worstPeak, peak);
        if (!(peak <= kPeakBound))
            v.fail("peak " + std::to_string(peak) + " with values " + values);
        if (!ringsOut)
            continue;
        ++tails;
        // Rings down until a whole second of the input's tail stays below the floor, or the
        // bound is passed.
        while (position - lastLoud < second.size() && position < burst + cap + second.size())
            run(second, 4096);
        const double ring = static_cast<double>(lastLoud > burst ? lastLoud - burst : 0) / kRate;
        if (ring > longestTail)
        {
            longestTail = ring;
            longestValues = values;
        }
        if (lastLoud >= burst + cap)
            v.fail("still above 1e-7 after " + std::to_string(kTail) + " s with values " + values);
    }
    char text[320];
    std::snprintf(text, sizeof text,
                  "%d random parameter sets with automation, peak %.2f (bound %.0f); %d tails "
                  "rung down to 1e-7, the longest in %.1f s (bound %.0f s; values %s)",
                  count, static_cast<double>(worstPeak), static_cast<double>(kPeakBound), tails,
                  longestTail, kTail, longestValues.c_str());
    v.counts = text;
    return v;
}
} // namespace validation
