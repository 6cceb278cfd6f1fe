#include "EnginePorts.h"

#include <HostValue.h>

void EnginePorts::setRate(float rate)
{
    if (rate == lastRate)
        return;
    lastRate = rate;
    engine.setSampleRate(static_cast<double>(rate));
}

void EnginePorts::setHostValue(int32_t slot, double value)
{
    double sane = 0.0;
    if (hostvalue::normalized(value, sane))
        setPort(slot, static_cast<float>(sane));
}

void EnginePorts::setPort(int32_t slot, float port)
{
    if (port == values[slot])
        return;
    values[slot] = port;
    engine.setParameter(static_cast<uint32_t>(slot), static_cast<double>(port));
}

void EnginePorts::takeHandedOver(int32_t slot)
{
    if (!(values[slot] >= 0.0f))
        return;
    engine.setParameter(static_cast<uint32_t>(slot), static_cast<double>(values[slot]));
    values[slot] = -1.0f;
}
