#pragma once

#include <cstdint>

// What the LV2 bundle declares and the plug-in binary implements, kept in one place so that
// the Turtle generator and the binary cannot disagree: the plug-in URIs, one per layout, and
// the port indices. Constants only; any thread.
namespace chordwell::lv2
{
inline constexpr const char* kUriBase = "https://www.orlund.com/lv2/chordwell";
inline constexpr const char* kBinary = "orl-chordwell.so";

// Ports 0-7 are the eight public slots in slot order (so a host's parameter index is the
// slot), 8 reports the latency, then the audio inputs and outputs.
inline constexpr uint32_t kLatencyPort = 8;
inline constexpr uint32_t kFirstAudioPort = 9;
inline constexpr const char* kControlSymbols[8] = {"output",    "mix",  "decay",  "damp",
                                                   "transpose", "tune", "detune", "bypass"};

struct LayoutInfo
{
    const char* suffix; // appended to kUriBase after a '#'
    const char* name;   // the plug-in's name in a host's list
    uint32_t inputs;
    uint32_t outputs;
};
inline constexpr LayoutInfo kLayouts[3] = {
    {"mono", "ORL Chordwell Mono", 1, 1},
    {"mono-stereo", "ORL Chordwell Mono-Stereo", 1, 2},
    {"stereo", "ORL Chordwell Stereo", 2, 2},
};

// The session state: one property holding the 'All ' chunk (the preset model's state image
// and the two closing words), typed with a URI of our own that carries its version.
inline constexpr const char* kStateBankKey = "https://www.orlund.com/lv2/chordwell#bank";
inline constexpr const char* kStateBankType = "https://www.orlund.com/lv2/chordwell#AllChunkV1";
// A factory preset in the bundle's presets.ttl carries, beside its port values, this property
// with the preset's place in the bank (0-9, an integer): restoring it makes that place
// current in the instance's bank, as choosing it in the preset bar does.
inline constexpr const char* kStateFactoryPresetKey =
    "https://www.orlund.com/lv2/chordwell#factoryPreset";
} // namespace chordwell::lv2
