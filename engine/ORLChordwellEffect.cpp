#include "ORLChordwellEffect.h"

#include "StringKernels.h"
#include "StringTable.h"

#include <cmath>
#include <new>

namespace
{
using chordwell::strings::kBaseFrequency;

using chordwell::kernels::advancesByOne;
using chordwell::kernels::runStrings;
using chordwell::kernels::tuneStrings;

constexpr double kGuard = 1e-9;
constexpr int32_t kMask = ORLChordwellEffect::kLineMask;

// Loudest input the strings take: about 190 dB over full scale. Beyond it a sample is
// clipped, which bounds every line (the feedback gain stays below 1) and keeps even the float
// output finite.
constexpr double kInputLimit = 1073741824.0;

// A host can hand us NaN or infinity; one such sample would poison every string for good, so
// it is heard as silence.
template <typename Sample> inline double readSample(Sample x)
{
    const double value = static_cast<double>(x);
    if (std::fabs(value) <= kInputLimit)
        return value;
    return std::isfinite(value) ? std::copysign(kInputLimit, value) : 0.0;
}

inline int32_t truncatedInt(double value)
{
    const double t = std::trunc(value);
    if (!(t > -2147483648.0 && t < 2147483648.0))
        return t > 0.0 ? 1 : 0;
    return static_cast<int32_t>(t);
}
} // namespace

double ORLChordwellEffect::defaultValue(uint32_t index)
{
    switch (index)
    {
    case 0:
    case 4:
    case 5:
        return 0.5;
    case 1:
    case 2:
    case 3:
        return 0.25;
    default:
        return 0.0;
    }
}

ORLChordwellEffect::ORLChordwellEffect()
    : sampleRate(44100.0), parameters{}, outputGain(0.0), mix(0.0), feedbackGain(0.0), dampCoef{},
      transposeTarget(1.0), transposeCurrent(1.0), tuneTarget(1.0), tuneCurrent(1.0),
      detuneTarget(0.0), detuneCurrent(0.0), bypassOn(0), indicesTracking(0), lines{},
      writePos(0), readPos{}, lowpass{}
{
    double* block = new double[static_cast<size_t>(kStrings) * kLineStride];
    for (int k = 0; k < kStrings; ++k)
        lines[k] = block + static_cast<size_t>(k) * kLineStride;
    for (uint32_t index = 0; index < kSlotCount; ++index)
        setParameter(index, defaultValue(index));
    reset();
}

ORLChordwellEffect::~ORLChordwellEffect()
{
    delete[] lines[0];
}

void ORLChordwellEffect::clearLines()
{
    for (auto* line : lines)
        for (int i = 0; i < kLineLength; ++i)
            line[i] = 0.0;
}

void ORLChordwellEffect::reset()
{
    clearLines();
    writePos = kLineLength - 1;
    for (int k = 0; k < kStrings; ++k)
        readPos[k] = static_cast<int32_t>(16383.0 - sampleRate / (kBaseFrequency[k] / 2.0));
    for (auto& state : lowpass)
        state = 0.0;
    detuneCurrent = detuneTarget;
    tuneCurrent = tuneTarget;
    transposeCurrent = transposeTarget;
    // These indices do not come from the tuning rule; the first frame recomputes them.
    indicesTracking = 0;
}

void ORLChordwellEffect::retune()
{
    double delays[kStrings];
    tuneStrings(writePos, sampleRate, tuneCurrent, transposeCurrent, detuneCurrent, readPos,
                delays);
    indicesTracking = advancesByOne(delays) ? 1 : 0;
}

double ORLChordwellEffect::decayGain(double decay) const
{
    const double base = std::pow(1.02, std::sqrt(decay)) / 1.0205;
    return std::pow(base, 1.0 / (0.25 * transposeTarget));
}

void ORLChordwellEffect::setParameter(uint32_t index, double value)
{
    if (index > 7)
        return;
    // The shell only sends 0..1; a non-finite value would leave the strings unusable.
    if (!std::isfinite(value))
        return;
    parameters[index] = value;
    switch (index)
    {
    case 0:
        outputGain = value * value * 4.0;
        break;
    case 1:
        mix = value;
        break;
    case 2:
        feedbackGain = decayGain(value);
        break;
    case 3:
    {
        const double coefficient = std::pow(1.84, 1.0 - value) / 1.845;
        for (auto& c : dampCoef)
            c = coefficient;
        break;
    }
    case 4:
    {
        const double steps = std::trunc(value * 48.0 + 0.5);
        const double ratio = std::pow(16.0, steps / 48.0) * 0.25;
        if (ratio == transposeTarget)
            return;
        transposeTarget = ratio;
        feedbackGain = decayGain(parameters[2]);
        transposeCurrent = ratio;
        clearLines();
        retune();
        break;
    }
    case 5:
        tuneTarget = std::pow(1.12246, value) / 1.05946;
        break;
    case 6:
        detuneTarget = value;
        break;
    case 7:
        bypassOn = truncatedInt(value + 0.5);
        break;
    }
}

bool ORLChordwellEffect::setSampleRate(double rate)
{
    // A rate that is not a number is refused: the stored rate stays.
    if (std::isnan(rate))
        return false;
    bool accepted = true;
    if (rate < kMinSampleRate)
    {
        rate = kMinSampleRate;
        accepted = false;
    }
    else if (rate > kMaxSampleRate)
    {
        rate = kMaxSampleRate;
        accepted = false;
    }
    if (rate != sampleRate)
        indicesTracking = 0;
    sampleRate = rate;
    return accepted;
}

uint32_t ORLChordwellEffect::getLatency()
{
    return 0;
}

uint32_t ORLChordwellEffect::getTailSize()
{
    return static_cast<uint32_t>(sampleRate * 10.0);
}

bool ORLChordwellEffect::reservedQueryA()
{
    return true;
}
bool ORLChordwellEffect::reservedQueryB()
{
    return true;
}
double ORLChordwellEffect::reservedValueA()
{
    return 0.0;
}
double ORLChordwellEffect::reservedValueB()
{
    return 0.0;
}

bool ORLChordwellEffect::getMeterValue(uint32_t, double&)
{
    return false;
}

namespace
{
template <typename Sample>
void copyThrough(const ChannelPair<Sample>& input, const ChannelPair<Sample>& output,
                 uint32_t frames)
{
    const Sample* in0 = input.channel0;
    const Sample* in1 = input.channel1 ? input.channel1 : in0;
    Sample* out0 = output.channel0;
    Sample* out1 = output.channel1 ? output.channel1 : out0;
    for (uint32_t i = 0; i < frames; ++i)
    {
        const Sample x0 = in0[i];
        const Sample x1 = in1[i];
        out0[i] = x0;
        out1[i] = x1;
    }
}
} // namespace

void ORLChordwellEffect::processBypass(const ChannelPair<float>& input,
                                       const ChannelPair<float>& output, uint32_t frames)
{
    copyThrough(input, output, frames);
}

void ORLChordwellEffect::processBypassDouble(const ChannelPair<double>& input,
                                             const ChannelPair<double>& output, uint32_t frames)
{
    copyThrough(input, output, frames);
}

void ORLChordwellEffect::process(const ChannelPair<float>& input, const ChannelPair<float>& output,
                                 uint32_t frames)
{
    run(input, output, frames);
}

void ORLChordwellEffect::processDouble(const ChannelPair<double>& input,
                                       const ChannelPair<double>& output, uint32_t frames)
{
    run(input, output, frames);
}

// The per-sample string network. Working state is held in locals for the block and written
// back at the end. Each read index is kept as its distance behind the write index, which
// stays constant while the tuning inputs do; the distances are recomputed by the tuning rule
// only while a glide or a retune is under way, since otherwise the rule provably yields the
// previous indices plus one.
template <typename Sample>
void ORLChordwellEffect::run(const ChannelPair<Sample>& input, const ChannelPair<Sample>& output,
                             uint32_t frames)
{
    using chordwell::kernels::readIndices;
    constexpr int S = kLineStride;

    const Sample* in0 = input.channel0;
    const Sample* in1 = input.channel1 ? input.channel1 : in0;
    Sample* out0 = output.channel0;
    Sample* out1 = output.channel1 ? output.channel1 : out0;
    const bool singleOutput = out1 == out0;
    if (frames == 0)
        return;

    double* const base = lines[0];
    int32_t wp = writePos;
    alignas(16) int32_t distance[kStrings];
    alignas(16) int32_t rp[kStrings];
    alignas(16) double lp[kStrings];
    alignas(16) double damp[kStrings];
    for (int k = 0; k < kStrings; ++k)
    {
        distance[k] = (wp - readPos[k]) & kMask;
        lp[k] = lowpass[k];
        damp[k] = dampCoef[k];
    }
    bool tracking = indicesTracking != 0;
    double tune = tuneCurrent;
    double detune = detuneCurrent;
    const double tuneGoal = tuneTarget;
    const double detuneGoal = detuneTarget;
    const double rate = sampleRate;
    const double transpose = transposeCurrent;
    const double feedback = feedbackGain;
    const double wetShare = mix;
    const double gain = outputGain;
    const bool bypassed = bypassOn != 0;
    double guard = kGuard;

    for (uint32_t i = 0; i < frames; ++i)
    {
        const double x0 = readSample(in0[i]);
        const double x1 = readSample(in1[i]);
        double dry0, dry1, send0, send1;
        if (!bypassed)
        {
            dry0 = x0 + guard;
            dry1 = x1 + guard;
            send0 = dry0;
            send1 = dry1;
        }
        else
        {
            dry0 = x0;
            dry1 = x1;
            send0 = guard;
            send1 = guard;
        }
        guard = -guard;

        readIndices(wp, distance, rp);
        runStrings<S>(base, rp, wp, lp, damp, feedback, (send1 + send0) * 0.5);

        // Channel 0 hears the even strings and the odd lines at the even strings' indices
        // (from the top), channel 1 the reverse.
        double wet0 = lp[2] + lp[0] + lp[4] + lp[6] + lp[8] + lp[10];
        wet0 = wet0 + base[1 * S + rp[10]] + base[3 * S + rp[8]] + base[5 * S + rp[6]] +
               base[7 * S + rp[4]] + base[9 * S + rp[2]] + base[11 * S + rp[0]];
        double wet1 = lp[3] + lp[1] + lp[5] + lp[7] + lp[9] + lp[11];
        wet1 = wet1 + base[0 * S + rp[11]] + base[2 * S + rp[9]] + base[4 * S + rp[7]] +
               base[6 * S + rp[5]] + base[8 * S + rp[3]] + base[10 * S + rp[1]];
        const double y0 = (wet0 * 0.075 - dry0) * wetShare + dry0;
        const double y1 = (wet1 * 0.075 - dry1) * wetShare + dry1;

        const double previousTune = tune;
        const double previousDetune = detune;
        const double detuneDiff = detuneGoal - detune;
        if (std::fabs(detuneDiff) > 0.002)
            detune = detuneDiff * 0.00075 + detune;
        else
            detune = detuneGoal;
        if (std::fabs(tuneGoal - tune) > 0.0015)
        {
            double next = (tuneGoal - tune) * 0.00025 + tune;
            if (std::fabs(tune - next) > 0.00002)
                next = next > tune ? tune + 0.00002 : tune - 0.00002;
            tune = next;
        }
        else
        {
            tune = tuneGoal;
        }
        // While a glide moves, the indices are recomputed every frame; once it has settled
        // they are recomputed once more and then just advance, when that is provably exact.
        const bool moving = tune != previousTune || detune != previousDetune;
        if (moving || !tracking)
        {
            double delays[kStrings];
            tuneStrings(wp, rate, tune, transpose, detune, rp, delays);
            tracking = !moving && advancesByOne(delays);
            for (int k = 0; k < kStrings; ++k)
                distance[k] = (wp - rp[k]) & kMask;
        }

        if (singleOutput)
        {
            out0[i] = static_cast<Sample>((y1 + y0) * gain * 0.5);
        }
        else
        {
            out1[i] = static_cast<Sample>(y1 * gain);
            out0[i] = static_cast<Sample>(y0 * gain);
        }

        // Advancing the write index advances every read index with it.
        wp = (wp + 1) & kMask;
    }

    for (int k = 0; k < kStrings; ++k)
    {
        readPos[k] = (wp - distance[k]) & kMask;
        lowpass[k] = lp[k];
    }
    writePos = wp;
    indicesTracking = tracking ? 1 : 0;
    tuneCurrent = tune;
    detuneCurrent = detune;
}
