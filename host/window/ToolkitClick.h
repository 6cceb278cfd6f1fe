#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A left click (press and release) at a point of a component's area, handed to the
// innermost child there as the toolkit would hand a real one. For windows that are not on
// the screen (offscreen pictures). Main thread.
void clickAt(juce::Component& root, juce::Point<int> point);
