#pragma once

// Four doubles per lane (AVX registers; the source is built for AVX2 machines, without
// fused multiply-add).
#include "StringBlock.h"

#include <immintrin.h>

namespace chordwell::block
{
struct Avx2Lanes
{
    using V = __m256d;
    static constexpr int kWidth = 4;
    static V load(const double* p) { return _mm256_load_pd(p); }
    static V loadu(const double* p) { return _mm256_loadu_pd(p); }
    static void store(double* p, V v) { _mm256_store_pd(p, v); }
    static void storeu(double* p, V v) { _mm256_storeu_pd(p, v); }
    static V set1(double x) { return _mm256_set1_pd(x); }
    static V add(V a, V b) { return _mm256_add_pd(a, b); }
    static V sub(V a, V b) { return _mm256_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm256_mul_pd(a, b); }
    static V loadSamples(const float* p) { return _mm256_cvtps_pd(_mm_loadu_ps(p)); }
    static V loadSamples(const double* p) { return _mm256_loadu_pd(p); }
    static void storeSamples(float* p, V v) { _mm_storeu_ps(p, _mm256_cvtpd_ps(v)); }
    static void storeSamples(double* p, V v) { _mm256_storeu_pd(p, v); }
    // guard, -guard, guard, -guard.
    static V alternating(double guard) { return _mm256_set_pd(-guard, guard, -guard, guard); }
    // Each sample as the engine reads it: clipped at the input limit, NaN and infinity as 0.0.
    static V clip(V v)
    {
        const V sign = _mm256_set1_pd(-0.0);
        const V magnitude = _mm256_andnot_pd(sign, v);
        const V inRange = _mm256_cmp_pd(magnitude, _mm256_set1_pd(kInputLimit), _CMP_LE_OQ);
        const V finite = _mm256_cmp_pd(magnitude, _mm256_set1_pd(__builtin_inf()), _CMP_LT_OQ);
        const V clipped = _mm256_or_pd(_mm256_and_pd(sign, v), _mm256_set1_pd(kInputLimit));
        return _mm256_or_pd(_mm256_and_pd(inRange, v),
                            _mm256_and_pd(_mm256_andnot_pd(inRange, finite), clipped));
    }
    // Rows of four become columns of four.
    static void transpose(V* v)
    {
        const V t0 = _mm256_unpacklo_pd(v[0], v[1]);
        const V t1 = _mm256_unpackhi_pd(v[0], v[1]);
        const V t2 = _mm256_unpacklo_pd(v[2], v[3]);
        const V t3 = _mm256_unpackhi_pd(v[2], v[3]);
        v[0] = _mm256_permute2f128_pd(t0, t2, 0x20);
        v[1] = _mm256_permute2f128_pd(t1, t3, 0x20);
        v[2] = _mm256_permute2f128_pd(t0, t2, 0x31);
        v[3] = _mm256_permute2f128_pd(t1, t3, 0x31);
    }
};
} // namespace chordwell::block
