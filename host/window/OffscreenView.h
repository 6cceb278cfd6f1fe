#pragma once

#include "HostViewContainer.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A visible toolkit component of the editor's size, never put on screen, and the container
// that hands it to the plug-in's view: what the offscreen commands and checks draw the editor
// in. Main thread, while the toolkit runs.
struct OffscreenView
{
    explicit OffscreenView(const AAX_Point& size)
    {
        holder.setSize(static_cast<int>(size.horz), static_cast<int>(size.vert));
        holder.setVisible(true);
    }

    // The editor as it is drawn now.
    juce::Image draw() { return holder.createComponentSnapshot(holder.getLocalBounds(), true); }

    juce::Component holder;
    HostViewContainer container{AAX_eViewContainer_Type_NSView, &holder};
};
