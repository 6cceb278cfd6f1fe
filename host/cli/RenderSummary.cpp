#include "RenderSummary.h"

#include "CommandExit.h"
#include "ParameterArgs.h"
#include "aax_host/EffectInstance.h"
#include "audio/ChannelPeaks.h"

#include <FactoryPresets.h>
#include <ParameterTable.h>

#include <cmath>
#include <cstdio>

namespace
{
// The levels the warnings name.
constexpr float kSilence = 1e-7f;      // -140 dBFS
constexpr float kStillRinging = 1e-3f; // -60 dBFS
} // namespace

std::string decibels(float peak)
{
    if (!(peak > 0.0f))
        return "-inf dBFS";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f dBFS", 20.0 * std::log10(static_cast<double>(peak)));
    return text;
}

// What the render started from, in the words the user gave.
std::string presetText(const RenderOptions& options, std::optional<int> preset)
{
    if (preset)
    {
        char name[32];
        getFactoryPreset(*preset, nullptr, name);
        return "factory " + std::to_string(*preset) + " \"" + name + "\"";
    }
    if (!options.presetSource.presetFile.empty())
        return "file " + options.presetSource.presetFile;
    if (!options.presetSource.bankFile.empty())
        return "bank " + options.presetSource.bankFile +
               (options.presetSource.bankPreset
                    ? " preset " + std::to_string(*options.presetSource.bankPreset)
                    : std::string());
    if (!options.stateIn.empty())
        return "state " + options.stateIn;
    return "the plug-in's default";
}

// The eight values the plug-in holds, in the panel's texts ("Mix 60.0 %").
std::string valuesText(EffectInstance& instance)
{
    double values[chordwell::kPublicSlotCount] = {};
    for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
        instance.parametersObject().GetParameterNormalizedValue(getParameterIdentifier(slot),
                                                                &values[slot]);
    return slotValuesText(values);
}

// "-0.52 dBFS" and, for more than one channel, each channel's ("1: -0.52, 2: -1.10").
std::string peaksText(const ChannelPeaks& peaks)
{
    std::string text = decibels(peaks.overall());
    if (peaks.channels().size() < 2)
        return text;
    text += " (";
    for (size_t c = 0; c < peaks.channels().size(); ++c)
    {
        std::string level = decibels(peaks.channels()[c]);
        level.resize(level.size() - 5); // without " dBFS"
        text += (c == 0 ? "" : ", ") + std::to_string(c + 1) + ": " + level;
    }
    return text + ")";
}

// What the levels of a finished render mean for the user, on stderr.
void warnAboutLevels(const ChannelPeaks& output, double tailSeconds, bool autoTailCut)
{
    const float peak = output.overall();
    if (peak > 1.0f)
        report(stderr,
               "chordwell-host render: warning: the output passes 0 dBFS (peak %s); it "
               "clips in a fixed-point file: lower Output (--set output=...dB)\n",
               decibels(peak).c_str());
    if (!(peak > kSilence))
        report(stderr, "chordwell-host render: warning: the output is silent\n");
    else if (autoTailCut)
        report(stderr,
               "chordwell-host render: warning: --tail auto stopped at its bound of %g s "
               "while the output was still at %s\n",
               kAutoTailSeconds, decibels(output.recent()).c_str());
    else if (tailSeconds >= 0.0 && output.recent() > kStillRinging)
        report(stderr,
               "chordwell-host render: warning: the output is still at %s at its end "
               "(%.3g s of tail); --tail auto renders until it dies away\n",
               decibels(output.recent()).c_str(), tailSeconds);
}
