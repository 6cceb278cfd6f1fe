#pragma once

// Two doubles per lane (SSE2, which every x86-64 machine has).
#include "StringBlock.h"

#include <emmintrin.h>

namespace chordwell::block
{
struct Sse2Lanes
{
    using V = __m128d;
    static constexpr int kWidth = 2;
    static V load(const double* p) { return _mm_load_pd(p); }
    static V loadu(const double* p) { return _mm_loadu_pd(p); }
    static void store(double* p, V v) { _mm_store_pd(p, v); }
    static void storeu(double* p, V v) { _mm_storeu_pd(p, v); }
    static V set1(double x) { return _mm_set1_pd(x); }
    static V add(V a, V b) { return _mm_add_pd(a, b); }
    static V sub(V a, V b) { return _mm_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm_mul_pd(a, b); }
    static V loadSamples(const float* p)
    {
        return _mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p))));
    }
    static V loadSamples(const double* p) { return _mm_loadu_pd(p); }
    static void storeSamples(float* p, V v)
    {
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_castps_si128(_mm_cvtpd_ps(v)));
    }
    static void storeSamples(double* p, V v) { _mm_storeu_pd(p, v); }
    // guard, -guard.
    static V alternating(double guard) { return _mm_set_pd(-guard, guard); }
    // Each sample as the engine reads it: clipped at the input limit, NaN and infinity as 0.0.
    static V clip(V v)
    {
        const V sign = _mm_set1_pd(-0.0);
        const V magnitude = _mm_andnot_pd(sign, v);
        const V inRange = _mm_cmple_pd(magnitude, _mm_set1_pd(kInputLimit));
        const V finite = _mm_cmplt_pd(magnitude, _mm_set1_pd(__builtin_inf()));
        const V clipped = _mm_or_pd(_mm_and_pd(sign, v), _mm_set1_pd(kInputLimit));
        return _mm_or_pd(_mm_and_pd(inRange, v),
                         _mm_and_pd(_mm_andnot_pd(inRange, finite), clipped));
    }
    // Rows of two become columns of two.
    static void transpose(V* v)
    {
        const V low = _mm_unpacklo_pd(v[0], v[1]);
        v[1] = _mm_unpackhi_pd(v[0], v[1]);
        v[0] = low;
    }
};
} // namespace chordwell::block
