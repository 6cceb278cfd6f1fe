#pragma once

// The engine's edges of a sub-block: host samples in (read, clipped, guarded, averaged into
// the feed) and channel results out (scaled, folded, converted), two frames per SSE2 vector
// where the machine has it. Both forms perform the same operations per frame. Real-time safe.

#include <cmath>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace chordwell::io
{
// Loudest input the strings take: about 190 dB over full scale. Beyond it a sample is
// clipped, which bounds every line (the feedback gain stays below 1) and keeps even the float
// output finite.
inline constexpr double kInputLimit = 1073741824.0;

// A host can hand us NaN or infinity; one such sample would poison every string for good, so
// it is heard as silence.
inline double readSample(double value)
{
    if (std::fabs(value) <= kInputLimit)
        return value;
    return std::isfinite(value) ? std::copysign(kInputLimit, value) : 0.0;
}

#if defined(__SSE2__)
inline __m128d loadPair(const float* p)
{
    return _mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p))));
}
inline __m128d loadPair(const double* p)
{
    return _mm_loadu_pd(p);
}
inline void storePair(float* p, __m128d v)
{
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_castps_si128(_mm_cvtpd_ps(v)));
}
inline void storePair(double* p, __m128d v)
{
    _mm_storeu_pd(p, v);
}
// readSample on two samples.
inline __m128d readPair(__m128d v)
{
    const __m128d sign = _mm_set1_pd(-0.0);
    const __m128d magnitude = _mm_andnot_pd(sign, v);
    const __m128d inRange = _mm_cmple_pd(magnitude, _mm_set1_pd(kInputLimit));
    const __m128d finite = _mm_cmplt_pd(magnitude, _mm_set1_pd(INFINITY));
    const __m128d clipped = _mm_or_pd(_mm_and_pd(sign, v), _mm_set1_pd(kInputLimit));
    return _mm_or_pd(_mm_and_pd(inRange, v), _mm_and_pd(_mm_andnot_pd(inRange, finite), clipped));
}
#endif

// Fills the dry signals and the feed of `length` frames. The denormal guard alternates in sign
// from frame to frame; it is added to the dry signals, or is the feed alone while bypassed.
template <typename Sample>
void readFrames(const Sample* in0, const Sample* in1, int length, bool bypassed, double& guard,
                double* dry0, double* dry1, double* feed)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128d guards = _mm_set_pd(-guard, guard), half = _mm_set1_pd(0.5);
    for (; i + 2 <= length; i += 2)
    {
        const __m128d x0 = readPair(loadPair(in0 + i)), x1 = readPair(loadPair(in1 + i));
        if (!bypassed)
        {
            const __m128d d0 = _mm_add_pd(x0, guards), d1 = _mm_add_pd(x1, guards);
            _mm_storeu_pd(dry0 + i, d0);
            _mm_storeu_pd(dry1 + i, d1);
            _mm_storeu_pd(feed + i, _mm_mul_pd(_mm_add_pd(d1, d0), half));
        }
        else
        {
            _mm_storeu_pd(dry0 + i, x0);
            _mm_storeu_pd(dry1 + i, x1);
            _mm_storeu_pd(feed + i, _mm_mul_pd(_mm_add_pd(guards, guards), half));
        }
    }
#endif
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

// Writes `length` frames of output: each channel times the gain, or with a single output
// channel the average of the two.
template <typename Sample>
void writeFrames(const double* y0, const double* y1, int length, double gain, bool singleOutput,
                 Sample* out0, Sample* out1)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128d g = _mm_set1_pd(gain), half = _mm_set1_pd(0.5);
    for (; i + 2 <= length; i += 2)
    {
        const __m128d a = _mm_loadu_pd(y0 + i), b = _mm_loadu_pd(y1 + i);
        if (singleOutput)
        {
            storePair(out0 + i, _mm_mul_pd(_mm_mul_pd(_mm_add_pd(b, a), g), half));
        }
        else
        {
            storePair(out1 + i, _mm_mul_pd(b, g));
            storePair(out0 + i, _mm_mul_pd(a, g));
        }
    }
#endif
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
} // namespace chordwell::io
