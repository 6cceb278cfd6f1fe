#include "ORLChordwellEffect.h"

#include <ExactMath.h>

#include "StringKernels.h"
#include "StringTable.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>
#include <type_traits>

namespace
{
using chordwell::strings::kBaseFrequency;

using chordwell::kernels::advancesByOne;
using chordwell::kernels::copySamples;
using chordwell::kernels::delayOf;
using chordwell::kernels::retunedDistance;
using chordwell::kernels::steadyDistance;
using chordwell::kernels::tuneStrings;

constexpr double kGuard = 1e-9;
constexpr int32_t kMask = ORLChordwellEffect::kLineMask;

// One frame's glide of Tune and Detune towards their targets; true while either moves.
inline bool glide(double& tune, double& detune, double tuneGoal, double detuneGoal)
{
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
    return tune != previousTune || detune != previousDetune;
}

// Distances planned per string: the sub-block's frames and the one after.
constexpr int kMaxPlan = chordwell::block::kMaxFrames + 1;

// The glide values of a sub-block's frames, for planning its read distances.
struct GlidePlan
{
    double rate;
    double transpose;
    const double* tune;
    const double* detune;
    int32_t writePos;
};

// The least and greatest distance a plan wrote.
struct DistanceRange
{
    int32_t low = INT32_MAX;
    int32_t high = INT32_MIN;
    void take(int32_t d)
    {
        low = std::min(low, d);
        high = std::max(high, d);
    }
};

// Fills row[i + 1] for frames first to last when string k provably keeps one distance over
// them; false (and nothing written) otherwise.
bool steadySpan(const GlidePlan& plan, int k, int first, int last, int32_t* row,
                DistanceRange& range)
{
    const int32_t steadyAt = steadyDistance(k, plan.rate, plan.transpose, plan.tune[first],
                                            plan.tune[last], plan.detune[first], plan.detune[last]);
    if (steadyAt == 0)
        return false;
    for (int i = first; i <= last; ++i)
        row[i + 1] = steadyAt;
    range.take(steadyAt);
    return true;
}

// Fills row[i + 1], the distance string k reads at after the retune of frame i, for frames
// first to last: at once in each span of eight frames that provably keeps one distance, and
// frame by frame by the tuning rule itself only in the spans where the distance changes.
void planSpans(const GlidePlan& plan, int k, int first, int last, int32_t* row,
               DistanceRange& range)
{
    constexpr int kSpan = 8;
    for (int begin = first; begin <= last; begin += kSpan)
    {
        const int end = std::min(begin + kSpan - 1, last);
        if (steadySpan(plan, k, begin, end, row, range))
            continue;
        for (int i = begin; i <= end; ++i)
        {
            row[i + 1] = retunedDistance(k, (plan.writePos + i) & kMask, plan.rate, plan.tune[i],
                                         plan.transpose, plan.detune[i]);
            range.take(row[i + 1]);
        }
    }
}

// The frame after which a string's delay, unsteady over the run, most likely crosses its one
// whole number, guessed from the delays at the run's ends; -1 when it crosses none or several.
int guessCrossing(const GlidePlan& plan, int k, int first, int last)
{
    if (last - first < 2)
        return -1;
    const double from = delayOf(k, plan.rate, plan.tune[first], plan.transpose, plan.detune[first]);
    const double to = delayOf(k, plan.rate, plan.tune[last], plan.transpose, plan.detune[last]);
    if (!(from > 0.0 && to > 0.0 && to < 16384.0 && from < 16384.0 &&
          std::fabs(std::ceil(to) - std::ceil(from)) == 1.0))
        return -1;
    const double share = (std::ceil(std::min(from, to)) - from) / (to - from);
    return std::clamp(first + static_cast<int>(share * (last - first)), first, last - 1);
}

// Fills rows[k][i + 1] for the frames 0 to last of a run whose retunes all recompute, unless
// the string keeps its start distance throughout, and gives each string's range of distances. Each
// stage works on all strings in one loop, so that their divisions overlap: the whole run; for the
// strings unsteady over it, the guessed crossing with a proof of each side; spans of eight frames,
// and single frames, for the rest.
void planRun(const GlidePlan& plan, int last, const int32_t* start, int32_t (*rows)[kMaxPlan],
             DistanceRange* ranges)
{
    int32_t whole[12];
    for (int k = 0; k < 12; ++k)
        whole[k] = steadyDistance(k, plan.rate, plan.transpose, plan.tune[0], plan.tune[last],
                                  plan.detune[0], plan.detune[last]);
    int split[12];
    for (int k = 0; k < 12; ++k)
        split[k] = whole[k] != 0 ? -1 : guessCrossing(plan, k, 0, last);
    int32_t before[12] = {}, after[12] = {};
    for (int k = 0; k < 12; ++k)
        if (split[k] >= 0)
        {
            before[k] = steadyDistance(k, plan.rate, plan.transpose, plan.tune[0],
                                       plan.tune[split[k]], plan.detune[0], plan.detune[split[k]]);
            after[k] =
                steadyDistance(k, plan.rate, plan.transpose, plan.tune[split[k] + 1],
                               plan.tune[last], plan.detune[split[k] + 1], plan.detune[last]);
        }
    for (int k = 0; k < 12; ++k)
    {
        int32_t* row = rows[k];
        DistanceRange& range = ranges[k];
        const auto fill = [&](int from, int to, int32_t d)
        {
            std::fill(row + from + 1, row + to + 2, d);
            range.take(d);
        };
        if (whole[k] != 0)
        {
            // A row is needed only where the distance differs from the one the run starts at.
            if (whole[k] != start[k])
                fill(0, last, whole[k]);
            else
                range.take(whole[k]);
            continue;
        }
        if (split[k] < 0)
        {
            planSpans(plan, k, 0, last, row, range);
            continue;
        }
        if (before[k] != 0)
            fill(0, split[k], before[k]);
        else
            planSpans(plan, k, 0, split[k], row, range);
        if (after[k] != 0)
            fill(split[k] + 1, last, after[k]);
        else
            planSpans(plan, k, split[k] + 1, last, row, range);
    }
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
      detuneTarget(0.0), detuneCurrent(0.0), bypassOn(0), indicesTracking(0),
      kernels(&chordwell::block::kernels(chordwell::block::fastest())), lines{},
      writePos(0), readPos{}, lowpass{}
{
    // Zeroed as a whole: kernels may read a few entries past a line's end, into its padding.
    double* block = new double[static_cast<size_t>(kStrings) * kLineStride]();
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

double ORLChordwellEffect::feedbackBase(double decay)
{
    return exactmath::pow(1.02, std::sqrt(decay)) / 1.0205;
}

double ORLChordwellEffect::tuneRatio(double tune)
{
    return exactmath::pow(1.12246, tune) / 1.05946;
}

double ORLChordwellEffect::decayGain(double decay) const
{
    return exactmath::pow(feedbackBase(decay), 1.0 / (0.25 * transposeTarget));
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
        const double coefficient = exactmath::pow(1.84, 1.0 - value) / 1.845;
        for (auto& c : dampCoef)
            c = coefficient;
        break;
    }
    case 4:
    {
        const double steps = std::trunc(value * 48.0 + 0.5);
        const double ratio = exactmath::pow(16.0, steps / 48.0) * 0.25;
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
        tuneTarget = tuneRatio(value);
        break;
    case 6:
        detuneTarget = value;
        break;
    case 7:
        bypassOn = truncatedInt(value + 0.5);
        break;
    }
}

bool ORLChordwellEffect::useKernelPath(chordwell::block::Path path)
{
    if (!chordwell::block::available(path))
        return false;
    kernels = &chordwell::block::kernels(path);
    return true;
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

// The string network, sub-block by sub-block. A sub-block is at most kMaxFrames long, never
// wraps the write index, and no string in it reads a value written inside it: its strings
// are then independent recurrences, which the kernel runs over contiguous samples. Each read
// index is kept as its distance behind the write index; it stays constant while the tuning
// inputs do (the tuning rule then provably yields the previous index plus one), and during a
// glide or a retune it is recomputed frame by frame before the sub-block runs, which the
// glides allow because they never depend on the audio.
template <typename Sample>
void ORLChordwellEffect::run(const ChannelPair<Sample>& input, const ChannelPair<Sample>& output,
                             uint32_t frames)
{
    using chordwell::block::kBufferFrames;
    using chordwell::block::kMaxFrames;
    constexpr int32_t kLongestDistance = kLineLength - kMaxFrames;

    const Sample* in0 = input.channel0;
    const Sample* in1 = input.channel1 ? input.channel1 : in0;
    Sample* out0 = output.channel0;
    Sample* out1 = output.channel1 ? output.channel1 : out0;
    const bool singleOutput = out1 == out0;
    if (frames == 0)
        return;

    alignas(32) double dry0[kBufferFrames] = {}, dry1[kBufferFrames] = {};
    alignas(32) double feed[kBufferFrames] = {};
    alignas(32) double y0[kBufferFrames], y1[kBufferFrames];
    // Gathered line samples of strings whose read index moves or wraps inside a sub-block.
    alignas(32) double gathered[kStrings][kBufferFrames];
    alignas(32) double gatheredTaps[kStrings][kBufferFrames];
    int32_t distanceAt[kStrings][kMaxPlan];
    double tuneAt[kMaxFrames], detuneAt[kMaxFrames];
    bool trackingAt[kMaxFrames];
    bool varies[kStrings];

    int32_t wp = writePos;
    int32_t distance[kStrings];
    for (int k = 0; k < kStrings; ++k)
        distance[k] = (wp - readPos[k]) & kMask;
    bool tracking = indicesTracking != 0;
    double tune = tuneCurrent;
    double detune = detuneCurrent;
    const double tuneGoal = tuneTarget;
    const double detuneGoal = detuneTarget;
    const double gain = outputGain;
    const bool bypassed = bypassOn != 0;
    double guard = kGuard;

    chordwell::block::Job job;
    job.feed = feed;
    job.dry0 = dry0;
    job.dry1 = dry1;
    job.y0 = y0;
    job.y1 = y1;
    job.lowpass = lowpass;
    job.damp = dampCoef;
    job.feedback = feedbackGain;
    job.mix = mix;
    for (int k = 0; k < kStrings; ++k)
        job.write[k] = lines[k] + wp;

    uint32_t done = 0;
    while (done < frames)
    {
        int length = static_cast<int>(std::min<uint32_t>(frames - done, kMaxFrames));
        length = std::min(length, kLineLength - wp);

        // Whether every read index just advances through this sub-block.
        bool steady = tracking && tune == tuneGoal && detune == detuneGoal;
        // Distances at the sub-block's first frame.
        int32_t startDistance[kStrings];
        std::copy(distance, distance + kStrings, startDistance);
        if (steady)
        {
            const auto [shortest, longest] = std::minmax_element(distance, distance + kStrings);
            steady = *shortest >= 1 && *longest <= kLongestDistance;
            if (steady)
                length = std::min(length, *shortest);
        }
        if (!steady)
        {
            // The glide of every frame first: it never depends on the audio. Frames whose
            // retune recomputes the indices form a prefix of the sub-block (once the glides
            // have settled and the indices advance by one, they stay so).
            int retuned = 0;
            for (int frame = 0; frame < length; ++frame)
            {
                const bool moving = glide(tune, detune, tuneGoal, detuneGoal);
                tuneAt[frame] = tune;
                detuneAt[frame] = detune;
                if (moving || !tracking)
                {
                    retuned = frame + 1;
                    tracking = false;
                    if (!moving)
                    {
                        alignas(16) int32_t rp[kStrings];
                        double delays[kStrings];
                        tuneStrings((wp + frame) & kMask, sampleRate, tune, transposeCurrent,
                                    detune, rp, delays);
                        tracking = advancesByOne(delays);
                    }
                }
                trackingAt[frame] = tracking;
            }
            // Row k holds the distance string k reads at in each frame and the one after, for
            // the strings whose distance varies; the others keep theirs throughout.
            const GlidePlan plan{sampleRate, transposeCurrent, tuneAt, detuneAt, wp};
            DistanceRange all;
            DistanceRange ranges[kStrings];
            if (retuned > 0)
                planRun(plan, retuned - 1, distance, distanceAt, ranges);
            for (int k = 0; k < kStrings; ++k)
            {
                int32_t* row = distanceAt[k];
                DistanceRange& range = ranges[k];
                range.take(distance[k]);
                varies[k] = range.low != range.high;
                if (varies[k])
                {
                    row[0] = distance[k];
                    std::fill(row + retuned + 1, row + length + 1, row[retuned]);
                }
                all.take(range.low);
                all.take(range.high);
            }
            const auto distanceOf = [&](int k, int frame)
            { return varies[k] ? distanceAt[k][frame] : distance[k]; };
            // A frame whose reads would reach into the sub-block starts the next one (or,
            // first of its sub-block, is a sub-block of its own).
            int frame = length;
            if (!(all.low >= length && all.high <= kLongestDistance))
            {
                for (frame = 1; frame < length; ++frame)
                {
                    bool clear = true;
                    for (int k = 0; k < kStrings; ++k)
                        clear &= distanceOf(k, frame) > frame &&
                                 distanceOf(k, frame) <= kLongestDistance;
                    if (!clear)
                        break;
                }
            }
            length = frame;
            tune = tuneAt[length - 1];
            detune = detuneAt[length - 1];
            tracking = trackingAt[length - 1];
            for (int k = 0; k < kStrings; ++k)
            {
                if (!varies[k])
                    continue;
                distance[k] = distanceAt[k][length];
                // Only the sub-block's own frames decide whether it reads one run.
                const int32_t* row = distanceAt[k];
                varies[k] = std::find_if(row + 1, row + length,
                                         [&](int32_t d) { return d != row[0]; }) != row + length;
            }
        }

        for (int k = 0; k < kStrings; ++k)
        {
            const int mirror = kStrings - 1 - k;
            const int32_t first = startDistance[k];
            const int32_t start = (wp - first) & kMask;
            const bool contiguous = start + length <= kLineLength && (steady || !varies[k]);
            if (contiguous)
            {
                job.source[k] = lines[k] + start;
                job.tap[k] = lines[mirror] + start;
                continue;
            }
            // Runs of frames that read at one distance are contiguous in the line (up to its
            // wrap): copied as such.
            const bool varying = !steady && varies[k];
            for (int i = 0; i < length;)
            {
                const int32_t d = varying ? distanceAt[k][i] : first;
                int end = i + 1;
                while (end < length && (!varying || distanceAt[k][end] == d))
                    ++end;
                const int32_t at = (wp + i - d) & kMask;
                const int run = std::min(end - i, kLineLength - at);
                copySamples(lines[k] + at, run, gathered[k] + i);
                copySamples(lines[mirror] + at, run, gatheredTaps[k] + i);
                copySamples(lines[k], end - i - run, gathered[k] + i + run);
                copySamples(lines[mirror], end - i - run, gatheredTaps[k] + i + run);
                i = end;
            }
            job.source[k] = gathered[k];
            job.tap[k] = gatheredTaps[k];
        }

        if constexpr (std::is_same_v<Sample, float>)
            kernels->readFloat(in0 + done, in1 + done, length, bypassed, guard, dry0, dry1, feed);
        else
            kernels->readDouble(in0 + done, in1 + done, length, bypassed, guard, dry0, dry1, feed);

        job.frames = length;
        kernels->strings(job);

        if constexpr (std::is_same_v<Sample, float>)
            kernels->writeFloat(y0, y1, length, gain, singleOutput, out0 + done, out1 + done);
        else
            kernels->writeDouble(y0, y1, length, gain, singleOutput, out0 + done, out1 + done);

        done += static_cast<uint32_t>(length);
        wp = (wp + length) & kMask;
        for (int k = 0; k < kStrings; ++k)
            job.write[k] = lines[k] + wp;
    }

    for (int k = 0; k < kStrings; ++k)
        readPos[k] = (wp - distance[k]) & kMask;
    writePos = wp;
    indicesTracking = tracking ? 1 : 0;
    tuneCurrent = tune;
    detuneCurrent = detune;
}
