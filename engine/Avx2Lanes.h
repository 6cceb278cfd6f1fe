#pragma once

// Four doubles per lane (AVX registers; the source is built for AVX2 machines, without
// fused multiply-add).
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
