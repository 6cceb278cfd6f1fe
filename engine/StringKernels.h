#pragma once

// The two per-frame loops over the twelve strings, written for SSE2 where the machine has it
// and as plain loops otherwise. Both forms perform exactly the same IEEE operations in the
// same order for every string, so their results are bit-identical; only the number of
// strings handled per instruction differs. Real-time safe: no allocation, no calls.

#include "StringTable.h"

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

// Delay of each string in samples (tuning rule) and the read index it gives at writePos.
//   D = (c > 0 ? (a * c) * d + s : s - (a * |c|) * d) / ((t * r) * f),  a = s * 0.015
// s + x and x + s are the same IEEE sum, and s - x is s + (-x), so both signs share one form.
inline void tuneStrings(int32_t writePos, double s, double t, double r, double d, int32_t* readPos,
                        double* delays)
{
    const double a = s * 0.015;
    const double tr = t * r;
    const double w = static_cast<double>(writePos);
#if defined(__SSE2__)
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
        const double c = strings::kDetuneCoefficient[k];
        const double numerator = c > 0.0 ? (a * c) * d + s : s - (a * -c) * d;
        delays[k] = numerator / (tr * strings::kBaseFrequency[k]);
        readPos[k] = lineIndex(w - delays[k] + 16384.0);
    }
#endif
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

// Read index of every string from its distance behind the write index.
inline void readIndices(int32_t writePos, const int32_t* distance, int32_t* index)
{
#if defined(__SSE2__)
    const __m128i w = _mm_set1_epi32(writePos), mask = _mm_set1_epi32(kMask);
    for (int k = 0; k < kStrings; k += 4)
    {
        const __m128i d = _mm_load_si128(reinterpret_cast<const __m128i*>(distance + k));
        _mm_store_si128(reinterpret_cast<__m128i*>(index + k),
                        _mm_and_si128(_mm_sub_epi32(w, d), mask));
    }
#else
    for (int k = 0; k < kStrings; ++k)
        index[k] = (writePos - distance[k]) & kMask;
#endif
}

// One frame of the strings' loop over lines laid out `Stride` doubles apart from `base`:
// each lowpass takes its line's output, then the line takes the lowpass output times the
// feedback gain plus the common feed.
template <int Stride>
inline void runStrings(double* base, const int32_t* readPos, int32_t writePos, double* lowpass,
                       const double* damp, double feedback, double feed)
{
#if defined(__SSE2__)
    const __m128d fb = _mm_set1_pd(feedback), fd = _mm_set1_pd(feed);
#pragma GCC unroll 6
    for (int k = 0; k < kStrings; k += 2)
    {
        double* even = base + k * Stride;
        double* odd = even + Stride;
        const __m128d x = _mm_set_pd(odd[readPos[k + 1]], even[readPos[k]]);
        __m128d l = _mm_load_pd(lowpass + k);
        l = _mm_add_pd(_mm_mul_pd(_mm_sub_pd(x, l), _mm_load_pd(damp + k)), l);
        _mm_store_pd(lowpass + k, l);
        const __m128d y = _mm_add_pd(_mm_mul_pd(l, fb), fd);
        _mm_storel_pd(even + writePos, y);
        _mm_storeh_pd(odd + writePos, y);
    }
#else
    for (int k = 0; k < kStrings; ++k)
        lowpass[k] = (base[k * Stride + readPos[k]] - lowpass[k]) * damp[k] + lowpass[k];
    for (int k = 0; k < kStrings; ++k)
        base[k * Stride + writePos] = lowpass[k] * feedback + feed;
#endif
}
} // namespace chordwell::kernels
