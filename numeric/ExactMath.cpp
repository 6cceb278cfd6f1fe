#include "ExactMath.h"

#include <array>
#include <cmath>

namespace exactmath
{
namespace
{
// A double-double: the value hi + lo with |lo| <= ulp(hi) / 2.
struct DD
{
    double hi;
    double lo;
};

constexpr DD twoSum(double a, double b)
{
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

constexpr DD quickTwoSum(double a, double b)
{
    const double s = a + b;
    return {s, b - (s - a)};
}

// Dekker's split and product: exact without a fused multiply-add, which the build forbids.
constexpr void split(double a, double& hi, double& lo)
{
    const double t = 134217729.0 * a; // 2^27 + 1
    hi = t - (t - a);
    lo = a - hi;
}

constexpr DD twoProduct(double a, double b)
{
    const double p = a * b;
    double ah, al, bh, bl;
    split(a, ah, al);
    split(b, bh, bl);
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

constexpr DD add(DD a, DD b)
{
    DD s = twoSum(a.hi, b.hi);
    const DD t = twoSum(a.lo, b.lo);
    s.lo += t.hi;
    s = quickTwoSum(s.hi, s.lo);
    s.lo += t.lo;
    return quickTwoSum(s.hi, s.lo);
}

constexpr DD sub(DD a, DD b)
{
    return add(a, {-b.hi, -b.lo});
}

constexpr DD mul(DD a, DD b)
{
    DD p = twoProduct(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return quickTwoSum(p.hi, p.lo);
}

constexpr DD mul(DD a, double b)
{
    DD p = twoProduct(a.hi, b);
    p.lo += a.lo * b;
    return quickTwoSum(p.hi, p.lo);
}

constexpr DD div(DD a, DD b)
{
    const double q1 = a.hi / b.hi;
    DD r = sub(a, mul(b, q1));
    const double q2 = r.hi / b.hi;
    r = sub(r, mul(b, q2));
    const double q3 = r.hi / b.hi;
    return add(quickTwoSum(q1, q2), {q3, 0.0});
}

DD scale(DD a, int exponent)
{
    return {std::ldexp(a.hi, exponent), std::ldexp(a.lo, exponent)};
}

constexpr DD kLn2{0.6931471805599453, 2.3190468138462996e-17};
constexpr DD kLn10{2.302585092994046, -2.1707562233822494e-16};

// log m = 2 atanh(s), s = (m - 1) / (m + 1), |s| <= 0.172: 23 terms of the odd series reach
// 2^-112. Their coefficients 1 / (2k + 1), worked out once, as the series would each call.
constexpr int kLogTerms = 23;
constexpr auto kOddReciprocals = []
{
    std::array<DD, kLogTerms + 1> table{};
    for (int k = 0; k <= kLogTerms; ++k)
        table[k] = div({1.0, 0.0}, {2.0 * k + 1.0, 0.0});
    return table;
}();

// Natural logarithm of a positive, finite, normal or subnormal x.
DD logDD(double x)
{
    int exponent = 0;
    double m = std::frexp(x, &exponent); // x = m * 2^exponent, m in [0.5, 1)
    if (m < 0.70710678118654752)
    {
        m *= 2.0;
        --exponent;
    }
    const DD s = div({m - 1.0, 0.0}, twoSum(m, 1.0));
    const DD s2 = mul(s, s);
    DD sum = kOddReciprocals[kLogTerms];
    for (int k = kLogTerms - 1; k >= 0; --k)
        sum = add(mul(sum, s2), kOddReciprocals[k]);
    const DD logM = scale(mul(s, sum), 1);
    return add(mul(kLn2, static_cast<double>(exponent)), logM);
}

// e^a for |a| below the overflow bound (the callers check).
double expDD(DD a)
{
    const double k = std::nearbyint(a.hi / kLn2.hi);
    // r = (a - k ln 2) / 1024, |r| < 3.4e-4; e^r - 1 by its series, then squared ten times as
    // (1 + m)^2 - 1 = 2m + m^2, which keeps the small part's precision.
    const DD r = scale(sub(a, mul(kLn2, k)), -10);
    DD m{1.0, 0.0};
    for (int n = 11; n >= 2; --n)
        m = add({1.0, 0.0}, div(mul(m, r), {static_cast<double>(n), 0.0}));
    m = mul(m, r); // r + r^2/2! + ... + r^11/11!
    for (int i = 0; i < 10; ++i)
        m = add(scale(m, 1), mul(m, m));
    const DD value = add({1.0, 0.0}, m);
    return std::ldexp(value.hi + value.lo, static_cast<int>(k));
}

bool usable(double x)
{
    return std::isfinite(x) && x > 0.0;
}
} // namespace

double pow(double x, double y)
{
    if (!usable(x) || !std::isfinite(y) || x == 1.0 || y == 0.0)
        return std::pow(x, y);
    const DD exponent = mul(logDD(x), y);
    // Well inside the range of normal results; the rest (overflow, subnormal results) is left
    // to the runtime.
    if (!(std::fabs(exponent.hi) < 700.0))
        return std::pow(x, y);
    return expDD(exponent);
}

double log10(double x)
{
    if (!usable(x) || x == 1.0)
        return std::log10(x);
    const DD value = div(logDD(x), kLn10);
    return value.hi + value.lo;
}
} // namespace exactmath
