#pragma once

#include "ChannelPair.h"

#include <cstdint>

// The abstract processor through which the shell drives an engine. The slot order of the
// virtual operations is part of the engine's contract with the shell; do not reorder.
//
// Threads: an engine is used by one thread at a time. The shell calls setSampleRate,
// setParameter, process and processBypass only from its render callback (audio thread);
// construction, reset and getLatency happen before the first render call or on a probe
// engine of the caller's own (main thread).
class ORLBaseAudioProcessor
{
  public:
    virtual ~ORLBaseAudioProcessor() = default;

    // Audio thread. Real-time safe: no allocation, no lock, no call outside the engine.
    virtual void process(const ChannelPair<float>& input, const ChannelPair<float>& output,
                         uint32_t frames) = 0;
    // Audio thread. Real-time safe.
    virtual void processDouble(const ChannelPair<double>& input, const ChannelPair<double>& output,
                               uint32_t frames) = 0;
    // Audio thread. Real-time safe. Copies input to output without touching engine state.
    virtual void processBypass(const ChannelPair<float>& input, const ChannelPair<float>& output,
                               uint32_t frames) = 0;
    // Audio thread. Real-time safe.
    virtual void processBypassDouble(const ChannelPair<double>& input,
                                     const ChannelPair<double>& output, uint32_t frames) = 0;
    // Any thread that owns the engine.
    virtual uint32_t getLatency() = 0;
    // Any thread that owns the engine.
    virtual uint32_t getTailSize() = 0;
    // Audio thread (or the owner before processing). Returns false when the rate was clamped.
    virtual bool setSampleRate(double rate) = 0;
    // Owner thread, never concurrently with process. Empties the strings.
    virtual void reset() = 0;
    virtual bool reservedQueryA() = 0;
    virtual bool reservedQueryB() = 0;
    // Audio thread (or the owner before processing). Real-time safe.
    virtual void setParameter(uint32_t index, double value) = 0;
    // Any thread that owns the engine.
    virtual bool getMeterValue(uint32_t meterId, double& value) = 0;
};
