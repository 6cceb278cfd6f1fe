#pragma once

// One double per lane: the kernel in plain C++, for any machine.
namespace chordwell::block
{
struct ScalarLanes
{
    using V = double;
    static constexpr int kWidth = 1;
    static V load(const double* p) { return *p; }
    static V loadu(const double* p) { return *p; }
    static void store(double* p, V v) { *p = v; }
    static void storeu(double* p, V v) { *p = v; }
    static V set1(double x) { return x; }
    static V add(V a, V b) { return a + b; }
    static V sub(V a, V b) { return a - b; }
    static V mul(V a, V b) { return a * b; }
    static void transpose(V*) {}
    static V loadSamples(const float* p) { return static_cast<double>(*p); }
    static V loadSamples(const double* p) { return *p; }
    static void storeSamples(float* p, V v) { *p = static_cast<float>(v); }
    static void storeSamples(double* p, V v) { *p = v; }
};
} // namespace chordwell::block
