#pragma once

#include <ORLChordwellEffect.h>

// Read access to the engine's fields for tests (declared a friend by the engine).
struct ORLChordwellEffectInspector
{
    const ORLChordwellEffect& e;
    double sampleRate() const { return e.sampleRate; }
    double outputGain() const { return e.outputGain; }
    double mix() const { return e.mix; }
    double parameter(int slot) const { return e.parameters[slot]; }
    double feedbackGain() const { return e.feedbackGain; }
    double dampCoef(int k) const { return e.dampCoef[k]; }
    double transposeTarget() const { return e.transposeTarget; }
    double transposeCurrent() const { return e.transposeCurrent; }
    double tuneTarget() const { return e.tuneTarget; }
    double tuneCurrent() const { return e.tuneCurrent; }
    double detuneTarget() const { return e.detuneTarget; }
    double detuneCurrent() const { return e.detuneCurrent; }
    int bypassOn() const { return e.bypassOn; }
    int writePos() const { return e.writePos; }
    int readPos(int k) const { return e.readPos[k]; }
    double lowpass(int k) const { return e.lowpass[k]; }
    double line(int k, int i) const { return e.lines[k][i]; }
};
