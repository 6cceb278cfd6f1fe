#pragma once

#include <string>

// The built bundle's folder is the only place lilv looks (LilvHost host(kBuiltBundles)), so
// installed copies never answer.
inline const char* const kBuiltBundles = ORL_LV2_PATH;

inline std::string chordwellUri(const char* layout)
{
    return std::string("https://www.orlund.com/lv2/chordwell#") + layout;
}

inline const char* const kLayoutSuffixes[3] = {"mono", "mono-stereo", "stereo"};
// The ports' symbols, slot by slot, as sessions store them.
inline const char* const kPortSymbols[8] = {"output",    "mix",  "decay",  "damp",
                                            "transpose", "tune", "detune", "bypass"};
