#pragma once

#include "ORLGraphicsTypes.h"

#include <cstdint>

class ORLBitmap;
class ORLFont;

// Drawing operations available to a control inside its draw pass; outside a pass every
// operation does nothing. Styles: 0 stroked, 1 filled, 2 filled and stroked.
// Main thread only.
class ORLDrawContext
{
  public:
    static constexpr int32_t kMaxPolygonPoints = 64;

    virtual ~ORLDrawContext() = default;
    virtual void setLineWidth(double width) = 0;
    virtual void moveTo(ORLPoint p) = 0;
    virtual void lineTo(ORLPoint p) = 0;
    virtual void drawRect(const ORLRect& r, int32_t style) = 0;
    // Angles in degrees, counter-clockwise from three o'clock.
    virtual void drawArc(const ORLRect& r, double startAngle, double endAngle, int32_t style) = 0;
    virtual void drawEllipse(const ORLRect& r, int32_t style) = 0;
    virtual void drawPoint(ORLPoint p, ORLColor color) = 0;
    // Uses at most the first 64 points; a style other than 0, 1 or 2 draws nothing.
    virtual void drawPolygon(const ORLPoint* points, int32_t count, int32_t style) = 0;
    // Draws the part of the image that starts at source into dest; opacity 0 to 1.
    virtual void drawBitmap(ORLBitmap* bitmap, const ORLRect& dest, ORLPoint source,
                            float opacity) = 0;
    // Alignment 0 left, 2 right, anything else centred; anti-aliased.
    virtual void drawString(const char* text, const ORLRect& r, int32_t alignment) = 0;
    virtual void setFont(ORLFont* font) = 0;
    virtual void setFillColor(ORLColor color) = 0;
    virtual void setFrameColor(ORLColor color) = 0;
    virtual void setFontColor(ORLColor color) = 0;
    virtual void beginDraw() = 0;
    virtual void endDraw() = 0;
};

// Drawing into an image of its own. Main thread only.
class ORLOffscreenContext : public ORLDrawContext
{
  public:
    virtual int32_t getWidth() = 0;
    virtual int32_t getHeight() = 0;
    // A new counted image (count 1, the caller's) holding what has been drawn so far.
    virtual ORLBitmap* copyBitmap() = 0;
};
