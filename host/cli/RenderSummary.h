#pragma once

#include "RenderCommand.h"

#include <optional>
#include <string>

class ChannelPeaks;
class EffectInstance;

// The lines a finished render reports. Any thread that renders.

// "-0.52 dBFS"; "-inf dBFS" for no signal.
std::string decibels(float peak);

// What the render started from, in the words the user gave.
std::string presetText(const RenderOptions& options, std::optional<int> preset);

// The eight values the plug-in holds, in the panel's texts ("Mix 60.0 %").
std::string valuesText(EffectInstance& instance);

// "-0.52 dBFS" and, for more than one channel, each channel's ("1: -0.52, 2: -1.10").
std::string peaksText(const ChannelPeaks& peaks);

// What the levels of a finished render mean for the user, on stderr.
void warnAboutLevels(const ChannelPeaks& output, double tailSeconds, bool autoTailCut);
