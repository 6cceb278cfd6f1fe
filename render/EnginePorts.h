#pragma once

#include <ORLChordwellEffect.h>

#include <cstdint>

// The engine's inputs as a render path keeps them between blocks: the last sample rate and the
// last value of each slot, narrowed to 32-bit floats, so a value reaches the engine only when it
// changed and every shell feeds the engine the same numbers. A view over storage its caller owns
// (the AAX render callback's private data, the VST 3 and LV2 shells' render path); making one
// allocates nothing.
//
// Audio thread (the thread that renders): real-time safe, no allocation, no lock.
class EnginePorts
{
  public:
    // Marks a kept value and the kept rate as never applied: it differs from every value, so
    // the first block applies them all.
    static constexpr float kUnset = -1.666f;

    // values holds an entry per slot the caller passes (at least 0-7).
    EnginePorts(ORLChordwellEffect& engine, float* values, float& lastRate)
        : engine(engine), values(values), lastRate(lastRate)
    {
    }

    // The host's rate in Hz; an unordered pair (NaN) counts as a change.
    void setRate(float rate);
    // A host's value of slot 0-7, whatever it sent: clamped to 0..1, then narrowed; a NaN keeps
    // the last good value.
    void setHostValue(int32_t slot, double value);
    // A value of slot 0-7 already within 0..1.
    void setPort(int32_t slot, float port);
    // Entry slot (8-16) as the AAX shell's timer hands it over: a value (not negative) goes to
    // the engine once and the entry is marked taken (-1).
    void takeHandedOver(int32_t slot);

  private:
    ORLChordwellEffect& engine;
    float* values;
    float& lastRate;
};
