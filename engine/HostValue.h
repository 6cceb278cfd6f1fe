#pragma once

#include <concepts>

// A public parameter's value as a host hands it over, made into one the engine can take.
// setParameter does not clamp (it only ignores a non-finite value) and every public
// parameter's range is 0..1: a value outside it (a negative Decay, an Output of 1e38) would make
// the strings' gains non-finite or greater than one, and they would never recover. So every shell
// passes what its host sends through here first: out-of-range values and infinities are clamped to
// the range, and NaN, which names no value at all, is refused so that the caller keeps the last
// good one. Subnormal values lie inside the range and are kept as they are.
//
// Any thread; real-time safe (no allocation, no lock, no call).
namespace hostvalue
{
// False for NaN (keep the value you had); otherwise value is set to v within 0..1. For the
// 64-bit values of the parameter calls and the 32-bit values of the ports alike.
template <std::floating_point T> bool normalized(T v, T& value)
{
    if (v != v)
        return false;
    value = v < T(0) ? T(0) : (v > T(1) ? T(1) : v);
    return true;
}
} // namespace hostvalue
