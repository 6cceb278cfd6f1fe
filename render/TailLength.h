#pragma once

#include <cstdint>

// How long the strings ring after the input stops, from the current parameter values
// (normalized, slot 0-7) and the host's sample rate: the time the slowest string takes to
// fall 160 dB (120 dB below full scale, plus 40 dB for the level a resonating string builds
// up above its input), in samples. The damping filter only shortens it. Any thread.
uint32_t tailSamples(const double* values, double sampleRate);
