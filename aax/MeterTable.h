#pragma once

#include <AAX.h>

// The 66 meter ids in the order the component lists them: input, output, then 64 custom
// meters (the letter order is the table's, not the alphabet's). Only the first two are
// ever written.
namespace chordwell
{
inline constexpr int kMeterCount = 66;
extern const AAX_CTypeID kMeterIDs[kMeterCount];
} // namespace chordwell
