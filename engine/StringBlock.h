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
// The kernel of an available path. Any thread.
Kernel kernel(Path path);

void runScalar(const Job& job);
void runSse2(const Job& job);
void runAvx2(const Job& job);
} // namespace chordwell::block
