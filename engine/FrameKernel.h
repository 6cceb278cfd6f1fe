#pragma once

// The engine's edges of a sub-block, written once over a lane type like the string kernel:
// host samples in (read, clipped, guarded, averaged into the feed) and channel results out
// (scaled, folded, converted), W frames per vector and the rest one by one. Every frame sees
// the same operations either way. Include it only from the kernel sources: it sits in an
// unnamed namespace so that forms built for different instruction sets never merge, and it
// uses compiler builtins rather than library functions for the same reason.

#include "StringBlock.h"

namespace chordwell::block
{
namespace
{
// A host can hand us NaN or infinity; one such sample would poison every string for good, so
// it is heard as silence. A huge one is clipped.
inline double readSample(double value)
{
    if (__builtin_fabs(value) <= kInputLimit)
        return value;
    return __builtin_isfinite(value) ? __builtin_copysign(kInputLimit, value) : 0.0;
}

template <class Lanes, typename Sample>
void readFrames(const Sample* in0, const Sample* in1, int length, bool bypassed, double& guard,
                double* dry0, double* dry1, double* feed)
{
    using V = typename Lanes::V;
    constexpr int W = Lanes::kWidth;
    int i = 0;
    if constexpr (W % 2 == 0)
    {
        // An even number of frames per vector: the guard's signs repeat from vector to vector.
        const V guards = Lanes::alternating(guard), half = Lanes::set1(0.5);
        for (; i + W <= length; i += W)
        {
            const V x0 = Lanes::clip(Lanes::loadSamples(in0 + i));
            const V x1 = Lanes::clip(Lanes::loadSamples(in1 + i));
            if (!bypassed)
            {
                const V d0 = Lanes::add(x0, guards), d1 = Lanes::add(x1, guards);
                Lanes::storeu(dry0 + i, d0);
                Lanes::storeu(dry1 + i, d1);
                Lanes::storeu(feed + i, Lanes::mul(Lanes::add(d1, d0), half));
            }
            else
            {
                Lanes::storeu(dry0 + i, x0);
                Lanes::storeu(dry1 + i, x1);
                Lanes::storeu(feed + i, Lanes::mul(Lanes::add(guards, guards), half));
            }
        }
    }
    for (; i < length; ++i)
    {
        const double x0 = readSample(static_cast<double>(in0[i]));
        const double x1 = readSample(static_cast<double>(in1[i]));
        if (!bypassed)
        {
            dry0[i] = x0 + guard;
            dry1[i] = x1 + guard;
            feed[i] = (dry1[i] + dry0[i]) * 0.5;
        }
        else
        {
            dry0[i] = x0;
            dry1[i] = x1;
            feed[i] = (guard + guard) * 0.5;
        }
        guard = -guard;
    }
}

template <class Lanes, typename Sample>
void writeFrames(const double* y0, const double* y1, int length, double gain, bool singleOutput,
                 Sample* out0, Sample* out1)
{
    using V = typename Lanes::V;
    constexpr int W = Lanes::kWidth;
    const V g = Lanes::set1(gain), half = Lanes::set1(0.5);
    int i = 0;
    for (; i + W <= length; i += W)
    {
        const V a = Lanes::loadu(y0 + i), b = Lanes::loadu(y1 + i);
        if (singleOutput)
        {
            Lanes::storeSamples(out0 + i, Lanes::mul(Lanes::mul(Lanes::add(b, a), g), half));
        }
        else
        {
            Lanes::storeSamples(out1 + i, Lanes::mul(b, g));
            Lanes::storeSamples(out0 + i, Lanes::mul(a, g));
        }
    }
    for (; i < length; ++i)
    {
        if (singleOutput)
        {
            out0[i] = static_cast<Sample>((y1[i] + y0[i]) * gain * 0.5);
        }
        else
        {
            out1[i] = static_cast<Sample>(y1[i] * gain);
            out0[i] = static_cast<Sample>(y0[i] * gain);
        }
    }
}
} // namespace
} // namespace chordwell::block
