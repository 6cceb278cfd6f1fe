#pragma once

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

inline const char* layoutName(Layout layout)
{
    switch (layout)
    {
    case Layout::Mono:
        return "mono";
    case Layout::Stereo:
        return "stereo";
    case Layout::MonoStereo:
        return "mono-stereo";
    }
    return "?";
}

inline std::optional<Layout> parseLayout(const std::string& text)
{
    if (text == "mono")
        return Layout::Mono;
    if (text == "stereo")
        return Layout::Stereo;
    if (text == "mono-stereo")
        return Layout::MonoStereo;
    return std::nullopt;
}
