#include "PresetBarBulbButton.h"

#include "PresetBarColors.h"

namespace
{
constexpr ORLColor kGlassLit{255, 214, 90, 255};
constexpr ORLColor kGlassDark{58, 58, 56, 255};
constexpr ORLColor kRays{255, 236, 150, 255};
constexpr ORLColor kStrokeIdle{127, 127, 124, 255};
constexpr ORLColor kStrokeHovered{200, 200, 200, 255};
constexpr ORLColor kStrokePressed{250, 250, 250, 255};

// Coordinates of the drawing are given in a 15 x 16 box and scaled to the rectangle.
struct BulbScale
{
    const ORLRect& r;
    ORLPoint at(double x, double y) const
    {
        return {r.left + x * r.getWidth() / 15.0, r.top + y * r.getHeight() / 16.0};
    }
    ORLRect box(double l, double t, double rr, double b) const
    {
        const ORLPoint a = at(l, t);
        const ORLPoint c = at(rr, b);
        return {a.x, a.y, c.x, c.y};
    }
};

void line(ORLDrawContext& context, ORLPoint a, ORLPoint b)
{
    context.moveTo(a);
    context.lineTo(b);
}
} // namespace

PresetBarBulbButton::PresetBarBulbButton(const ORLRect& r) : PresetBarControl(r, kTag)
{
    value = 1.0;
}

void PresetBarBulbButton::draw(ORLDrawContext& context)
{
    const BulbScale s{rect};
    const bool lit = isLit();
    const ORLColor stroke = pressed ? kStrokePressed : hovered ? kStrokeHovered : kStrokeIdle;
    context.setLineWidth(pressed ? 1.5 : 1.0);

    if (lit)
    {
        // Rays around the glass.
        context.setFrameColor(kRays);
        line(context, s.at(0.5, 5.5), s.at(2.0, 5.5));
        line(context, s.at(13.0, 5.5), s.at(14.5, 5.5));
        line(context, s.at(1.5, 1.0), s.at(3.0, 2.5));
        line(context, s.at(13.5, 1.0), s.at(12.0, 2.5));
    }

    // Glass and its neck.
    context.setFillColor(lit ? kGlassLit : kGlassDark);
    context.setFrameColor(stroke);
    context.drawEllipse(s.box(3.0, 0.5, 12.0, 9.5), 2);
    const ORLPoint neck[] = {s.at(5.0, 8.0), s.at(10.0, 8.0), s.at(9.5, 11.5), s.at(5.5, 11.5),
                             s.at(5.0, 8.0)};
    context.drawPolygon(neck, 5, 2);

    // Screw base and contact.
    line(context, s.at(5.5, 12.5), s.at(9.5, 12.5));
    line(context, s.at(5.5, 14.0), s.at(9.5, 14.0));
    line(context, s.at(6.5, 15.5), s.at(8.5, 15.5));
}

int32_t PresetBarBulbButton::onMouseDown(ORLPoint, int32_t buttons)
{
    if (buttons & kORLLeftButton)
    {
        // 0.5 rounds to 1, so it switches off.
        value = static_cast<int32_t>(value + 0.5) == 1 ? 0.0 : 1.0;
        pressed = 1;
        notifyAndRedraw();
    }
    return kORLMouseHandled;
}
