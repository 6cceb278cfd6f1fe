#pragma once

#include "CORLArtworkPainter.h"
#include "CORLBitmapWrapper.h"
#include "CORLConversions.h"
#include "CORLFontWrapper.h"
#include "ORLDrawContext.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cmath>

namespace Orlund
{
// The drawing operations of ORLDrawContext on the toolkit's graphics context of the current
// draw pass. Outside a pass (no graphics context set) every operation does nothing.
// Main (UI) thread.
template <typename Interface> class CORLGraphicsContext : public Interface
{
  public:
    void setLineWidth(double width) override { lineWidth = static_cast<float>(width); }
    void moveTo(ORLPoint p) override { penPosition = p; }
    void lineTo(ORLPoint p) override
    {
        if (graphics)
        {
            graphics->setColour(frameColor);
            graphics->drawLine(static_cast<float>(penPosition.x), static_cast<float>(penPosition.y),
                               static_cast<float>(p.x), static_cast<float>(p.y), lineWidth);
        }
        penPosition = p;
    }
    void drawRect(const ORLRect& r, int32_t style) override
    {
        juce::Path path;
        path.addRectangle(toJuce(r));
        drawPath(path, style);
    }
    void drawArc(const ORLRect& r, double startAngle, double endAngle, int32_t style) override
    {
        // Degrees counter-clockwise from three o'clock; the toolkit counts radians clockwise
        // from twelve.
        const auto toToolkit = [](double degrees)
        {
            return static_cast<float>(juce::MathConstants<double>::halfPi -
                                      juce::degreesToRadians(degrees));
        };
        juce::Path path;
        const auto area = toJuce(r);
        if (style == 0)
            path.addArc(area.getX(), area.getY(), area.getWidth(), area.getHeight(),
                        toToolkit(startAngle), toToolkit(endAngle), true);
        else
            path.addPieSegment(area, toToolkit(startAngle), toToolkit(endAngle), 0.0f);
        drawPath(path, style);
    }
    void drawEllipse(const ORLRect& r, int32_t style) override
    {
        juce::Path path;
        path.addEllipse(toJuce(r));
        drawPath(path, style);
    }
    void drawPoint(ORLPoint p, ORLColor color) override
    {
        if (!graphics)
            return;
        graphics->setColour(toJuce(color));
        graphics->fillRect(
            juce::Rectangle<float>(static_cast<float>(p.x), static_cast<float>(p.y), 1.0f, 1.0f));
    }
    void drawPolygon(const ORLPoint* points, int32_t count, int32_t style) override
    {
        if (!points || count < 1)
            return;
        count = std::min(count, ORLDrawContext::kMaxPolygonPoints);
        juce::Path path;
        path.startNewSubPath(static_cast<float>(points[0].x), static_cast<float>(points[0].y));
        for (int32_t i = 1; i < count; ++i)
            path.lineTo(static_cast<float>(points[i].x), static_cast<float>(points[i].y));
        path.closeSubPath();
        drawPath(path, style);
    }
    void drawBitmap(ORLBitmap* bitmap, const ORLRect& dest, ORLPoint source, float opacity) override
    {
        if (!graphics || !bitmap)
            return;
        const CORLBitmap* image = bitmapOf(bitmap);
        if (!image || !image->getImage().isValid())
            return;
        const auto target = toJuceInt(dest);
        const int sx = static_cast<int>(source.x);
        const int sy = static_cast<int>(source.y);
        const int w = std::min(target.getWidth(), image->getWidth() - sx);
        const int h = std::min(target.getHeight(), image->getHeight() - sy);
        if (w <= 0 || h <= 0 || sx < 0 || sy < 0)
            return;
        if (component)
            paintArtwork(*graphics, *component, *image, {sx, sy, w, h}, target.getPosition(),
                         opacity);
        else
        {
            graphics->setOpacity(juce::jlimit(0.0f, 1.0f, opacity));
            graphics->drawImage(image->getImage(), target.getX(), target.getY(), w, h, sx, sy, w,
                                h);
            graphics->setOpacity(1.0f);
        }
    }
    void drawString(const char* text, const ORLRect& r, int32_t alignment) override
    {
        if (!graphics || !text)
            return;
        graphics->setColour(fontColor);
        graphics->setFont(font);
        graphics->drawText(toJuceText(text), toJuce(r), justificationFor(alignment), false);
    }
    void setFont(ORLFont* f) override { font = fontOf(f); }
    void setFillColor(ORLColor c) override { fillColor = toJuce(c); }
    void setFrameColor(ORLColor c) override { frameColor = toJuce(c); }
    void setFontColor(ORLColor c) override { fontColor = toJuce(c); }
    void beginDraw() override {}
    void endDraw() override {}

    static juce::Justification justificationFor(int32_t alignment)
    {
        if (alignment == 0)
            return juce::Justification::centredLeft;
        if (alignment == 2)
            return juce::Justification::centredRight;
        return juce::Justification::centred;
    }

  protected:
    // The graphics context of the pass now running, or null; with the component it paints,
    // images are drawn for the device's scale.
    void setGraphics(juce::Graphics* g, const juce::Component* painted = nullptr)
    {
        graphics = g;
        component = painted;
    }

  private:
    void drawPath(const juce::Path& path, int32_t style)
    {
        if (!graphics || style < 0 || style > 2)
            return;
        if (style == 1 || style == 2)
        {
            graphics->setColour(fillColor);
            graphics->fillPath(path);
        }
        if (style == 0 || style == 2)
        {
            graphics->setColour(frameColor);
            graphics->strokePath(path, juce::PathStrokeType(lineWidth));
        }
    }

    juce::Graphics* graphics = nullptr;
    const juce::Component* component = nullptr;
    float lineWidth = 1.0f;
    ORLPoint penPosition;
    juce::Colour fillColor = juce::Colours::white;
    juce::Colour frameColor = juce::Colours::black;
    juce::Colour fontColor = juce::Colours::black;
    juce::Font font = juce::Font(12.0f);
};
} // namespace Orlund
