#include "ChordwellInstance.h"

#include "TailLength.h"

void ChordwellInstance::setSampleRate(double newRate)
{
    rate = newRate;
    audio.setSampleRate(newRate);
}

uint32_t ChordwellInstance::tailSamples(const std::array<double, 8>& values) const
{
    return ::tailSamples(values.data(), rate);
}
