#include "validate/Checks.h"

#include <ParameterTable.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace validation
{
namespace
{
// What a host may send for a parameter besides 0..1: each must reach the engine clamped (a NaN
// changes nothing), and leave an instance that sounds again once the value is back.
std::vector<double> hostValuesToTry(int level, Random& random)
{
    std::vector<double> values = {-1.0,
                                  1.0e5,
                                  1.0e38,
                                  -1.0e38,
                                  1.0e300,
                                  std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::denorm_min(),
                                  -std::numeric_limits<double>::denorm_min(),
                                  static_cast<double>(std::numeric_limits<float>::denorm_min()),
                                  1.0 + 1.0e-7};
    std::uniform_real_distribution<double> exponent(0.0, 38.0);
    for (int i = 0; i < level; ++i)
        values.push_back((i % 2 == 0 ? 1.0 : -1.0) * std::pow(10.0, exponent(random)));
    return values;
}
} // namespace

ValidateVerdict checkHostValues(const EffectDescription& effect, int level, Random& random)
{
    ValidateVerdict v;
    const std::vector<double> values = hostValuesToTry(level, random);
    enum Road
    {
        Automation,
        Edit,
        Port,
    };
    const char* roadNames[] = {"automation", "an edit", "a port write"};
    std::vector<float> input(1024), settle(4096, 0.0f);
    uint64_t cases = 0, bad = 0;
    float worstPeak = 0.0f;
    for (size_t component = 0; component < effect.components.size(); ++component)
        for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
            for (const Road road : {Automation, Edit, Port})
            {
                // One instance takes every value in turn, as a host's would.
                Rig rig(effect, component, 48000.0f);
                const std::string id = getParameterIdentifier(slot);
                for (const double value : values)
                {
                    fill(input, Input::Noise, random);
                    uint64_t here = 0;
                    float peak = 0.0f;
                    const auto check = [&](const float* const* s, int c, size_t n)
                    {
                        for (int k = 0; k < c; ++k)
                        {
                            here += badSamples(s[k], n);
                            for (size_t i = 0; i < n; ++i)
                                peak = std::max(peak, std::fabs(s[k][i]));
                        }
                    };
                    rig.render(input, 256, check);
                    if (road == Automation)
                        rig.instance.automate(id, value);
                    else if (road == Edit)
                        rig.instance.edit(id, value);
                    else
                    {
                        // Ports 1-8 carry the public slots as 32-bit floats.
                        const auto word = static_cast<float>(value);
                        rig.instance.writePort(1 + slot, &word, sizeof word);
                    }
                    rig.render(input, 256, check);
                    // Back to the default: the instance sounds again, and its tail is clean.
                    rig.instance.automate(id, getParameterDefault(slot));
                    if (road == Port)
                    {
                        const auto word = static_cast<float>(getParameterDefault(slot));
                        rig.instance.writePort(1 + slot, &word, sizeof word);
                    }
                    rig.render(input, 256, check);
                    rig.render(settle, 512, check);
                    ++cases;
                    worstPeak = std::max(worstPeak, peak);
                    if (here > 0 || !(peak <= kPeakBound))
                    {
                        bad += here;
                        char text[160];
                        std::snprintf(
                            text, sizeof text, "%llu bad samples, peak %g, after %s of %g to '%s'",
                            static_cast<unsigned long long>(here), static_cast<double>(peak),
                            roadNames[road], value, id.c_str());
                        v.fail(text);
                    }
                }
            }
    char text[240];
    std::snprintf(text, sizeof text,
                  "%llu cases (%zu values out of range, non-finite or subnormal, by automation, "
                  "edit and port write, on every parameter of every component): %llu NaN, Inf "
                  "or subnormal samples, peak %.2f (bound %.0f)",
                  static_cast<unsigned long long>(cases), values.size(),
                  static_cast<unsigned long long>(bad), static_cast<double>(worstPeak),
                  static_cast<double>(kPeakBound));
    v.counts = text;
    return v;
}
} // namespace validation
