#pragma once

#include "Harness.h"
#include "ValidateCommand.h"

// The checks validate runs on the plug-in, each in a file of its own under checks/. Each
// renders with its own instances and reports its counts and failures. Main thread.
namespace validation
{
ValidateVerdict checkLifecycles(const EffectDescription& effect, int level, Random& random);
ValidateVerdict checkRatesAndBlocks(const EffectDescription& effect, int level, Random& random);
ValidateVerdict checkParametersAndTail(const EffectDescription& effect, int level, Random& random);
ValidateVerdict checkHostValues(const EffectDescription& effect, int level, Random& random);
ValidateVerdict checkStateRoundTrips(const EffectDescription& effect, int level, Random& random);
ValidateVerdict checkFuzzedStates(const EffectDescription& effect, int level, Random& random);
ValidateVerdict checkPresetNames(const EffectDescription& effect, int level, Random& random);
ValidateVerdict checkRenderCallback(const EffectDescription& effect, int level, Random& random);
} // namespace validation
