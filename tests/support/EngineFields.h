#pragma once

#include <ORLChordwellEffect.h>

// What the engine heard, for tests of the paths that feed it (declared a friend by the engine).
struct ORLChordwellEffectInspector
{
    const ORLChordwellEffect& e;
    double sampleRate() const { return e.sampleRate; }
    double parameter(int slot) const { return e.parameters[slot]; }
};
