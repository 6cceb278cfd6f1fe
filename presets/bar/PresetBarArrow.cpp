#include "PresetBarArrow.h"

#include "PresetBarColors.h"

PresetBarArrowPolygon makeRightArrow(double l, double t, double r, double b)
{
    const double w = r - l;
    const double h = b - t;
    const ORLPoint tip{r, t + h / 2};
    return {tip,
            ORLPoint{l + 0.4 * w, t},
            ORLPoint{l + 0.4 * w, t + h / 4},
            ORLPoint{l + 0.1 * w, t + h / 4},
            ORLPoint{l + 0.1 * w, b - h / 4},
            ORLPoint{l + 0.4 * w, b - h / 4},
            ORLPoint{l + 0.4 * w, b},
            tip};
}

PresetBarArrowPolygon makeLeftArrow(double l, double t, double r, double b)
{
    const double w = r - l;
    const double h = b - t;
    const ORLPoint tip{l, t + h / 2};
    return {tip,
            ORLPoint{l + 0.6 * w, t},
            ORLPoint{l + 0.6 * w, t + h / 4},
            ORLPoint{l + 0.9 * w, t + h / 4},
            ORLPoint{l + 0.9 * w, b - h / 4},
            ORLPoint{l + 0.6 * w, b - h / 4},
            ORLPoint{l + 0.6 * w, b},
            tip};
}

void drawPresetBarArrow(ORLDrawContext& context, const PresetBarArrowPolygon& arrow, bool pressed,
                        bool hovered, ORLColor hoverFill)
{
    context.setLineWidth(presetbar::kArrowLineWidth);
    context.setFrameColor(pressed ? presetbar::kArrowPressedOutline : presetbar::kArrowIdle);
    context.setFillColor(hovered ? hoverFill : presetbar::kArrowIdle);
    context.drawPolygon(arrow.data(), static_cast<int32_t>(arrow.size()), 2);
}
