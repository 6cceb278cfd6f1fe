#pragma once

#include "ORLGraphicsTypes.h"

// Where the preset bar's controls sit in its 19-pixel strip, in the strip's coordinates.
// The name editor shares the name display's rectangle. Any thread (plain computation).
struct PresetBarLayout
{
    ORLRect manage;
    ORLRect actionsMenu;
    ORLRect compare;
    ORLRect name;
    ORLRect presetList;
    ORLRect arrows;
    ORLRect storeA;
    ORLRect labelA;
    ORLRect recallA;
    ORLRect storeB;
    ORLRect labelB;
    ORLRect recallB;
    ORLRect manual;
    ORLRect bulb;
};

// Above this width the label buttons have room for their long texts.
inline constexpr double kPresetBarWideWidth = 446.0;

// The layout for a bar of the given width: the left group narrows at 446 pixels and below
// and again below 400; the memo groups are centred between the arrows and the manual button.
PresetBarLayout computePresetBarLayout(double width);
