#pragma once

#include "ORLDrawContext.h"
#include "ORLGraphicsTypes.h"

#include <array>

// An arrow of the preset bar: seven corners and the first again.
using PresetBarArrowPolygon = std::array<ORLPoint, 8>;

// The arrow inside the inner box (l, t, r, b) pointing right (tip at the right edge) or left.
PresetBarArrowPolygon makeRightArrow(double l, double t, double r, double b);
PresetBarArrowPolygon makeLeftArrow(double l, double t, double r, double b);

// Fills and outlines the arrow: outline pressed or idle, fill hovered or idle.
void drawPresetBarArrow(ORLDrawContext& context, const PresetBarArrowPolygon& arrow, bool pressed,
                        bool hovered, ORLColor hoverFill);
