#include "TailLength.h"

#include <ExactMath.h>

#include <ORLChordwellEffect.h>
#include <StringTable.h>

#include <algorithm>
#include <cmath>

namespace
{
constexpr double kFallDecibels = 160.0;
} // namespace

uint32_t tailSamples(const double* values, double sampleRate)
{
    namespace strings = chordwell::strings;
    const double rate =
        std::clamp(std::isfinite(sampleRate) ? sampleRate : 44100.0,
                   ORLChordwellEffect::kMinSampleRate, ORLChordwellEffect::kMaxSampleRate);
    const auto unit = [](double v) { return std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0.0; };
    const double decay = unit(values[2]);
    const double tune = ORLChordwellEffect::tuneRatio(unit(values[5]));
    const double detune = unit(values[6]);
    // Per pass a string keeps base^(4/r) of its level and passes t*r*f/(1+0.015*c*d) times a
    // second, so Transpose (r) drops out of the fall per second.
    const double base = ORLChordwellEffect::feedbackBase(decay);
    const double lossPerPass = -exactmath::log10(base) * 4.0;
    double longest = 0.0;
    for (int k = 0; k < strings::kCount; ++k)
    {
        const double passes = tune * strings::kBaseFrequency[k] /
                              (1.0 + 0.015 * strings::kDetuneCoefficient[k] * detune);
        longest = std::max(longest, kFallDecibels / 20.0 / (lossPerPass * passes));
    }
    return static_cast<uint32_t>(std::ceil(longest * rate));
}
