#pragma once

#include "CORLBitmap.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace Orlund
{
// Draws a part of an artwork image in a component's paint. Where the graphics context maps
// one unit to one device pixel, the image's own pixels are drawn as they always were; at any
// other device scale the part is drawn again for that scale by the artwork's drawing code
// (kept for the rest of the process) and placed on whole device pixels, so a window at 2x
// shows artwork drawn at 2x, never a 1x image stretched. An image that is not artwork (made
// elsewhere) is drawn stretched at other scales, as nothing else can draw it.
// Main (UI) thread.
void paintArtwork(juce::Graphics& g, const juce::Component& component, const CORLBitmap& bitmap,
                  juce::Rectangle<int> area, juce::Point<int> at, float opacity = 1.0f);

// The part `area` (1x pixels) of a resource's image for a device scale: the artwork's own
// image at 1, drawn for that scale otherwise; kept until the toolkit shuts down. Main thread.
juce::Image artworkAtScale(const CORLBitmap& bitmap, juce::Rectangle<int> area, float scale);
} // namespace Orlund
