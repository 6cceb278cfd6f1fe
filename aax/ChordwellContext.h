#pragma once

#include <cstdint>

class ORLChordwellEffect;

// The render callback's algorithm context: 17 pointers in field order, one per field the
// description declares. The host fills one per render instance.
struct SChordwellContext
{
    const int32_t* masterBypass;    // 0: data input port, 0 or 1
    const float* parameterPorts[8]; // 1-8: data input ports of public slots 0-7
    float* const* inputs;           // 9: input channel pointers
    float* const* outputs;          // 10: output channel pointers
    const int32_t* bufferLength;    // 11: frames in this block
    const float* sampleRate;        // 12: Hz
    float* const* meters;           // 13: *meters is the array of 66 meter values
    float* parameterCache;          // 14: 17 floats (private data)
    float* lastSampleRate;          // 15: one float (private data)
    ORLChordwellEffect* engine;     // 16: the engine, built in place (private data)
};

static_assert(sizeof(SChordwellContext) == 17 * sizeof(void*), "one pointer per field");

namespace chordwell::field
{
inline constexpr int32_t kMasterBypass = 0;
inline constexpr int32_t kFirstParameterPort = 1;
inline constexpr int32_t kAudioIn = 9;
inline constexpr int32_t kAudioOut = 10;
inline constexpr int32_t kBufferLength = 11;
inline constexpr int32_t kSampleRate = 12;
inline constexpr int32_t kMeters = 13;
inline constexpr int32_t kParameterCache = 14;
inline constexpr int32_t kLastSampleRate = 15;
inline constexpr int32_t kEngine = 16;
inline constexpr int32_t kCount = 17;

inline constexpr uint32_t kParameterCacheSize = 68;
inline constexpr uint32_t kLastSampleRateSize = 4;
inline constexpr uint32_t kEngineSize = 528;
} // namespace chordwell::field
