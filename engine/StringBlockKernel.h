#pragma once

// The string network of one sub-block, written once over a lane type; each kernel source
// compiles it for one instruction set. Include it only from those sources: it sits in an
// unnamed namespace so that forms built for different instruction sets never merge.
//
// Every sample sees exactly the operations of the per-sample algorithm, in the same order:
// the lowpass recurrence per string, the write of each line, and the channel sums in their
// fixed order of additions. Vectors only run several strings (in the recurrence) or several
// frames (everywhere else) side by side, which changes no result.

#include "StringBlock.h"

namespace chordwell::block
{
namespace
{
template <class Lanes> void runBlock(const Job& job)
{
    using V = typename Lanes::V;
    constexpr int W = Lanes::kWidth;
    constexpr int kGroups = kStrings / W;
    static_assert(kStrings % W == 0 && kBufferFrames % W == 0);
    const int frames = job.frames;

    // Lowpass outputs, one row per string.
    alignas(32) double lp[kStrings][kBufferFrames];

    // The recurrences, W strings per vector, W frames at a time: rows of W frames per string
    // are turned into columns of W strings per frame, stepped, and turned back. The groups
    // are independent chains, so their latencies overlap.
    V state[kGroups], damp[kGroups];
#pragma GCC unroll 12
    for (int g = 0; g < kGroups; ++g)
    {
        state[g] = Lanes::loadu(job.lowpass + g * W);
        damp[g] = Lanes::loadu(job.damp + g * W);
    }
    const double* source[kStrings];
    const double* tapAt[kStrings];
    double* write[kStrings];
    for (int k = 0; k < kStrings; ++k)
    {
        source[k] = job.source[k];
        tapAt[k] = job.tap[k];
        write[k] = job.write[k];
    }
    const V feedback = Lanes::set1(job.feedback);
    const V scale = Lanes::set1(0.075), share = Lanes::set1(job.mix);

    // One chunk of W frames, `steps` of which are real: the recurrences, the lines' writes,
    // and the channel sums. Chunk by chunk, so that the writes and sums of one chunk fill the
    // gaps in the recurrences' chains of the next.
    const auto chunk = [&](int i, int steps) __attribute__((always_inline))
    {
#pragma GCC unroll 12
        for (int g = 0; g < kGroups; ++g)
        {
            V column[W];
#pragma GCC unroll 4
            for (int j = 0; j < W; ++j)
                column[j] = Lanes::loadu(source[g * W + j] + i);
            Lanes::transpose(column);
            V l = state[g];
#pragma GCC unroll 4
            for (int s = 0; s < W; ++s)
            {
                if (s < steps)
                    l = Lanes::add(Lanes::mul(Lanes::sub(column[s], l), damp[g]), l);
                column[s] = l;
            }
            state[g] = l;
            Lanes::transpose(column);
#pragma GCC unroll 4
            for (int j = 0; j < W; ++j)
                Lanes::store(lp[g * W + j] + i, column[j]);
        }

        // Each line takes its lowpass output times the feedback gain plus the feed.
        if (steps == W)
        {
            const V feed = Lanes::loadu(job.feed + i);
#pragma GCC unroll 12
            for (int k = 0; k < kStrings; ++k)
                Lanes::storeu(write[k] + i,
                              Lanes::add(Lanes::mul(Lanes::load(lp[k] + i), feedback), feed));
        }
        else
        {
            for (int n = i; n < i + steps; ++n)
                for (int k = 0; k < kStrings; ++k)
                    write[k][n] = lp[k][n] * job.feedback + job.feed[n];
        }

        // Channel c hears the strings of its parity, c + 2 added to c first, then the other
        // parity's lines at those strings' read indices from the top. The taps are read after
        // the writes. The result is cross-faded with the dry signal.
        const auto row = [&](int k) { return Lanes::load(lp[k] + i); };
        const auto tap = [&](int k) { return Lanes::loadu(tapAt[k] + i); };
        const auto wet = [&](int c) __attribute__((always_inline))
        {
            V sum = Lanes::add(row(c + 2), row(c));
#pragma GCC unroll 4
            for (int k = c + 4; k < kStrings; k += 2)
                sum = Lanes::add(sum, row(k));
#pragma GCC unroll 6
            for (int k = kStrings - 2 + c; k >= c; k -= 2)
                sum = Lanes::add(sum, tap(k));
            return sum;
        };
        const V wet0 = wet(0), wet1 = wet(1);
        const V dry0 = Lanes::loadu(job.dry0 + i), dry1 = Lanes::loadu(job.dry1 + i);
        Lanes::storeu(
            job.y0 + i,
            Lanes::add(Lanes::mul(Lanes::sub(Lanes::mul(wet0, scale), dry0), share), dry0));
        Lanes::storeu(
            job.y1 + i,
            Lanes::add(Lanes::mul(Lanes::sub(Lanes::mul(wet1, scale), dry1), share), dry1));
    };
    int i = 0;
    for (; i + W <= frames; i += W)
        chunk(i, W);
    if (i < frames)
        chunk(i, frames - i);
#pragma GCC unroll 12
    for (int g = 0; g < kGroups; ++g)
        Lanes::storeu(job.lowpass + g * W, state[g]);
}
} // namespace
} // namespace chordwell::block
