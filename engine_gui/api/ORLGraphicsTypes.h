#pragma once

#include <cstdint>

// Plain records shared by the editors, the controls and the graphics engine layer.

// Position in panel pixels.
struct ORLPoint
{
    double x = 0.0;
    double y = 0.0;
};

// Left, top, right, bottom in panel pixels.
struct ORLRect
{
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    double getWidth() const { return right - left; }
    double getHeight() const { return bottom - top; }
    bool contains(ORLPoint p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
};

struct ORLColor
{
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 255;
};

// Mouse button state bits as the toolkit views hand them to the controls.
enum ORLMouseButtons : int32_t
{
    kORLLeftButton = 0x2,
    kORLMiddleButton = 0x4,
    kORLRightButton = 0x8,
    kORLShift = 0x10,
    kORLControl = 0x20,
    kORLAlt = 0x40,
    kORLDoubleClick = 0x400,
    // The bits a control view passes on to its control.
    kORLButtonMask = 0x7FE,
};

// Answers of a control's mouse handlers.
enum ORLMouseResult : int32_t
{
    kORLMouseHandled = 1, // the moves and the release of this press are wanted
    kORLMouseNotHandled = 2,
    kORLMouseDone = 3, // handled; no moves or release wanted
};
