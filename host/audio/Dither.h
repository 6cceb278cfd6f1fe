#pragma once

#include <cstdint>

// Triangular (TPDF) dither of one step of 16-bit audio (1/32768 of full scale) from a
// generator of fixed seed, so that the same samples always get the same noise. Main thread.
class TpdfDither
{
  public:
    // The noise to add to the next sample: the sum of two uniform values, -1..1 steps.
    float next() { return (uniform() - uniform()) * kStep; }

  private:
    static constexpr float kStep = 1.0f / 32768.0f;

    // 0..1 from a xorshift generator.
    float uniform()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<float>(state >> 8) * (1.0f / 16777216.0f);
    }

    uint32_t state = 0x9E3779B9u;
};
