#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The seven images of the editor, each at its exact size and frame layout.
namespace artwork
{
juce::Image frontPanel();    // 12100, 401 x 282
juce::Image rearPanel();     // 12200, 401 x 282
juce::Image largeHandle();   // 12129, 11 x 11
juce::Image smallHandle();   // 12130, 8 x 8
juce::Image bypassLed();     // 12131, 13 x 25: off, on (the last row unused)
juce::Image bypassButton();  // 12132, 78 x 70: off, on
juce::Image webSiteButton(); // 19003, 225 x 60: normal, pointer over, pressed
} // namespace artwork
