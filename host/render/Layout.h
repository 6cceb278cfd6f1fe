#pragma once

#include "cli/NamedWords.h"

#include <optional>
#include <string>

// The three channel layouts a host can insert the effect in.
enum class Layout
{
    Mono,       // one input, one output
    Stereo,     // two inputs, two outputs
    MonoStereo, // one input, two outputs
};

inline int inputChannels(Layout layout)
{
    return layout == Layout::Stereo ? 2 : 1;
}
inline int outputChannels(Layout layout)
{
    return layout == Layout::Mono ? 1 : 2;
}

// The words of --layout.
inline constexpr NamedWord<Layout> kLayoutWords[] = {
    {"mono", Layout::Mono},
    {"stereo", Layout::Stereo},
    {"mono-stereo", Layout::MonoStereo},
};

inline const char* layoutName(Layout layout)
{
    return wordOfValue(kLayoutWords, layout);
}

inline std::optional<Layout> parseLayout(const std::string& text)
{
    return valueOfWord(kLayoutWords, text);
}
