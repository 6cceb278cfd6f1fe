#pragma once

#include <cmath>
#include <cstdint>

// A meter's value held at the largest magnitude of the block's samples and of what it showed
// before (the host lets it fall). Audio thread: real-time safe, no allocation, no lock.
inline void holdPeak(float& value, const float* samples, int32_t frames)
{
    for (int32_t i = 0; i < frames; ++i)
    {
        const auto magnitude = static_cast<float>(std::fabs(static_cast<double>(samples[i])));
        if (magnitude >= value)
            value = magnitude;
    }
}
