#pragma once

// The tuning rule for all twelve strings at once, written for SSE2 where the machine has it and
// as a plain loop otherwise. Both forms perform exactly the same IEEE operations in the same
// order for every string, so their results are bit-identical. Real-time safe: no allocation,
// no calls.

#include "StringTable.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace chordwell::kernels
{
inline constexpr int kStrings = strings::kCount;
inline constexpr int32_t kMask = 16383;

// trunc(position) AND mask; a position outside the int range lands on index 0 (the same
// answer the SSE2 conversion gives), so any parameter value keeps indices inside the line.
inline int32_t lineIndex(double position)
{
    if (!(position > -2147483648.0 && position < 2147483648.0))
        return 0;
    return static_cast<int32_t>(position) & kMask;
}

// Numerator of string k's delay by the tuning rule below, for sample rate s and Detune d.
inline double delayNumerator(int k, double s, double d)
{
    const double a = s * 0.015;
    const double c = strings::kDetuneCoefficient[k];
    return c > 0.0 ? (a * c) * d + s : s - (a * -c) * d;
}

// Delay of string k in samples by the tuning rule: the per-string form of tuneStrings, with the
// same operations.
inline double delayOf(int k, double s, double t, double r, double d)
{
    return delayNumerator(k, s, d) / ((t * r) * strings::kBaseFrequency[k]);
}

// Delay of each string in samples (tuning rule) and the read index it gives at writePos.
//   D = (c > 0 ? (a * c) * d + s : s - (a * |c|) * d) / ((t * r) * f),  a = s * 0.015
// s + x and x + s are the same IEEE sum, and s - x is s + (-x), so both signs share one form.
inline void tuneStrings(int32_t writePos, double s, double t, double r, double d, int32_t* readPos,
                        double* delays)
{
    const double w = static_cast<double>(writePos);
#if defined(__SSE2__)
    const double a = s * 0.015;
    const double tr = t * r;
    const __m128d av = _mm_set1_pd(a), dv = _mm_set1_pd(d), sv = _mm_set1_pd(s);
    const __m128d trv = _mm_set1_pd(tr), wv = _mm_set1_pd(w), top = _mm_set1_pd(16384.0);
    for (int k = 0; k < kStrings; k += 2)
    {
        const __m128d c =
            _mm_set_pd(strings::kDetuneCoefficient[k + 1], strings::kDetuneCoefficient[k]);
        const __m128d negative = _mm_cmplt_pd(c, _mm_setzero_pd());
        const __m128d signBit = _mm_and_pd(negative, _mm_set1_pd(-0.0));
        const __m128d magnitude = _mm_xor_pd(c, signBit);
        const __m128d spread = _mm_xor_pd(_mm_mul_pd(_mm_mul_pd(av, magnitude), dv), signBit);
        const __m128d numerator = _mm_add_pd(spread, sv);
        const __m128d f = _mm_set_pd(strings::kBaseFrequency[k + 1], strings::kBaseFrequency[k]);
        const __m128d delay = _mm_div_pd(numerator, _mm_mul_pd(trv, f));
        _mm_storeu_pd(delays + k, delay);
        const __m128i index = _mm_cvttpd_epi32(_mm_add_pd(_mm_sub_pd(wv, delay), top));
        alignas(16) int32_t lanes[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(lanes), index);
        readPos[k] = lanes[0] & kMask;
        readPos[k + 1] = lanes[1] & kMask;
    }
#else
    for (int k = 0; k < kStrings; ++k)
    {
        delays[k] = delayOf(k, s, t, r, d);
        readPos[k] = lineIndex(w - delays[k] + 16384.0);
    }
#endif
}

// Distance behind the write index w at which string k reads after the tuning rule ran at w.
inline int32_t retunedDistance(int k, int32_t w, double s, double t, double r, double d)
{
    const double delay = delayOf(k, s, t, r, d);
    return (w - lineIndex(static_cast<double>(w) - delay + 16384.0)) & kMask;
}

// The distance string k reads at after the tuning rule runs at every frame of a glide, when it
// provably is the same for all of them; 0 when it may change or depend on the write index.
// A glide moves Tune and Detune monotonically, and the rule's delay grows with its numerator
// (monotone in Detune) and falls with its denominator (monotone in Tune), so every delay of
// the run lies between the two bounds taken from the run's first and last values. A delay D
// whose fraction is 0 or at least 2^-36 gives ceil(D) whatever the write index (the rule's
// two roundings stay below 2^-38), so bounds within (n - 1 + 2^-30, n] give n throughout.
inline int32_t steadyDistance(int k, double s, double r, double tuneFirst, double tuneLast,
                              double detuneFirst, double detuneLast)
{
    const double f = strings::kBaseFrequency[k];
    const double n0 = delayNumerator(k, s, detuneFirst), n1 = delayNumerator(k, s, detuneLast);
    const double d0 = (tuneFirst * r) * f, d1 = (tuneLast * r) * f;
    const double low = std::min(n0, n1) / std::max(d0, d1);
    const double high = std::max(n0, n1) / std::min(d0, d1);
    if (!(low > 0.0 && high < 16383.0))
        return 0;
    const double whole = std::ceil(high);
    if (!(low > whole - 1.0 + 1.0 / (1 << 30)))
        return 0;
    return static_cast<int32_t>(whole);
}

// Whether trunc(w - D + 16384) equals w + 16384 - ceil(D) for every write index w: true when
// D is whole or its fraction keeps well clear of the rounding error of the two operations
// (below 2^-37). Then each read index just advances with the write index.
inline bool advancesByOne(const double* delays)
{
    constexpr double margin = 1.0 / (1 << 20);
    for (int k = 0; k < kStrings; ++k)
    {
        const double delay = delays[k];
        if (!(delay > 0.0 && delay < 16384.0))
            return false;
        const double fraction = delay - static_cast<double>(static_cast<int32_t>(delay));
        if (fraction != 0.0 && !(fraction > margin && fraction < 1.0 - margin))
            return false;
    }
    return true;
}

// Copies count samples of a line, two at a time where the machine has SSE2.
inline void copySamples(const double* from, int count, double* to)
{
    int i = 0;
#if defined(__SSE2__)
    for (; i + 2 <= count; i += 2)
        _mm_storeu_pd(to + i, _mm_loadu_pd(from + i));
#endif
    for (; i < count; ++i)
        to[i] = from[i];
}
} // namespace chordwell::kernels
