#pragma once

// One sub-block of the string network, handed from the engine to a kernel compiled for one
// instruction set. Within a sub-block every read index of every string trails the write index
// by more than the frame being processed, so no string reads a value written in the same
// sub-block: each string is a tight recurrence over contiguous samples, and the strings are
// independent of each other.

#include <cstdint>

namespace chordwell::block
{
inline constexpr int kStrings = 12;
// Largest input sample taken: about 190 dB over full scale. Clipping there bounds every line
// (the feedback gain stays below 1) and keeps even the float output finite. It is no limiter:
// a lower clip would shorten what a broken sample rings above full scale (3 s at the defaults
// from this one, 1 s from 2^15), never end it (at full Decay even a +24 dBFS impulse rings
// above full scale for 5 s), and would distort hot floating-point signals, dry path included.
inline constexpr double kInputLimit = 1073741824.0;

// Longest sub-block. Buffers are this long plus one vector, which kernels may read past the
// end into (never write).
inline constexpr int kMaxFrames = 64;
inline constexpr int kBufferFrames = kMaxFrames + 4;

struct Job
{
    int frames = 0;
    // String k's line output at frame i is source[k][i]; the cross tap taken at string k's
    // read index (line 11 - k, heard on channel k mod 2) is tap[k][i], read after the writes.
    // Both stay readable for kBufferFrames entries.
    const double* source[kStrings] = {};
    const double* tap[kStrings] = {};
    // String k writes frame i to write[k][i].
    double* write[kStrings] = {};
    const double* feed = nullptr;
    const double* dry0 = nullptr;
    const double* dry1 = nullptr;
    // Cross-faded channel results, before the output gain.
    double* y0 = nullptr;
    double* y1 = nullptr;
    // Lowpass state, carried from sub-block to sub-block.
    double* lowpass = nullptr;
    const double* damp = nullptr;
    double feedback = 0.0;
    double mix = 0.0;
};

// Runs the strings of one sub-block. Real-time safe: no allocation, no lock, no call out.
using Kernel = void (*)(const Job& job);

// Reads `length` frames of host samples into the dry signals and the feed: a sample beyond
// 2^30 in size is clipped there, NaN and infinity are read as 0.0; the denormal guard,
// alternating in sign from frame to frame, is added to the dry signals, or is the feed alone
// while bypassed. Real-time safe.
template <typename Sample>
using ReadFrames = void (*)(const Sample* in0, const Sample* in1, int length, bool bypassed,
                            double& guard, double* dry0, double* dry1, double* feed);

// Writes `length` frames of output: each channel result times the gain, or with a single
// output channel the average of the two. Real-time safe.
template <typename Sample>
using WriteFrames = void (*)(const double* y0, const double* y1, int length, double gain,
                             bool singleOutput, Sample* out0, Sample* out1);

// Everything the engine runs per sub-block, compiled for one instruction set.
struct Kernels
{
    Kernel strings;
    ReadFrames<float> readFloat;
    ReadFrames<double> readDouble;
    WriteFrames<float> writeFloat;
    WriteFrames<double> writeDouble;
};

// The compiled forms of the kernel. All give the same bits; they differ in how many strings
// or frames one instruction handles.
enum class Path
{
    Scalar,
    Sse2,
    Avx2,
};

// Whether this build holds the path and this machine can run it. Any thread.
bool available(Path path);
// Widest available path. Any thread.
Path fastest();
// The kernels of an available path (the plain ones for any other). Any thread.
const Kernels& kernels(Path path);

// Each compiled form's table, defined in its own source (SSE2 and AVX2 only on x86-64); reach
// them through kernels(). Any thread.
const Kernels& scalarKernels();
const Kernels& sse2Kernels();
const Kernels& avx2Kernels();
} // namespace chordwell::block
