#pragma once

// pow and log10 that give the same bits on every system: the C runtimes disagree in the last
// bit (glibc's and MinGW's pow differ for about one input in five), and the engine's output
// and the value texts must be identical wherever the product runs. Both are computed in
// double-double arithmetic (about 100 bits) from +, -, * and / alone, then rounded once, so
// they are correctly rounded except within 2^-100 of a rounding midpoint. Arguments outside
// the product's range of use (x <= 0, infinities, NaN, results that overflow or underflow) go
// to the C runtime, whose special values agree everywhere. Any thread; no allocation, no lock.
namespace exactmath
{
double pow(double x, double y);
double log10(double x);
} // namespace exactmath
