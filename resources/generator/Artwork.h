#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>

// The editor's seven images, drawn in code. Each is laid out in the pixels of its 1x image
// (the committed PNGs are these drawings at scale 1); a larger scale draws the same shapes and
// text for that many device pixels per image pixel, so a window at 2x is drawn, not stretched.
// Main thread (the toolkit's drawing is not shared between threads).
namespace artwork
{
void drawFrontPanel(juce::Graphics& g);    // 12100, 401 x 282
void drawRearPanel(juce::Graphics& g);     // 12200, 401 x 282
void drawLargeHandle(juce::Graphics& g);   // 12129, 11 x 11
void drawSmallHandle(juce::Graphics& g);   // 12130, 8 x 8
void drawBypassLed(juce::Graphics& g);     // 12131, 13 x 25: off, on (the last row unused)
void drawBypassButton(juce::Graphics& g);  // 12132, 78 x 70: off, on
void drawWebSiteButton(juce::Graphics& g); // 19003, 225 x 60: normal, pointer over, pressed

// The 1x size of a resource's image; empty for a number without artwork.
juce::Rectangle<int> bounds(int32_t resource);

// The part `area` (in 1x pixels) of a resource's image drawn at `scale` (1 to 3; other values
// are clamped, NaN gives 1): round(w * scale) x round(h * scale) pixels. An invalid image for
// a number without artwork or an empty area.
juce::Image drawAtScale(int32_t resource, juce::Rectangle<int> area, float scale);
} // namespace artwork
