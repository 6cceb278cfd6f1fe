#pragma once

// Two doubles per lane (SSE2, which every x86-64 machine has).
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
    // Rows of two become columns of two.
    static void transpose(V* v)
    {
        const V low = _mm_unpacklo_pd(v[0], v[1]);
        v[1] = _mm_unpackhi_pd(v[0], v[1]);
        v[0] = low;
    }
};
} // namespace chordwell::block
