#pragma once

#include <cstdint>

// Resource numbers of the editor's images and their frame counts.
namespace chordwell::artwork
{
inline constexpr int32_t kFrontPanel = 12100;
inline constexpr int32_t kRearPanel = 12200;
inline constexpr int32_t kSmallHandle = 12130;
inline constexpr int32_t kLargeHandle = 12129;
inline constexpr int32_t kBypassButton = 12132;
inline constexpr int32_t kBypassLed = 12131;
inline constexpr int32_t kWebSiteButton = 19003;

inline constexpr int32_t kBypassButtonFrames = 2;
inline constexpr int32_t kBypassLedFrames = 2;
inline constexpr int32_t kWebSiteButtonFrames = 3;
} // namespace chordwell::artwork
