#pragma once

#include "ORLBitmap.h"
#include "ORLDrawContext.h"
#include "ORLEngineView.h"
#include "ORLFont.h"

#include <string>
#include <vector>

// A control's view link that records what the control asks of it.
template <typename View> struct RecordingView : View
{
    int valueChanges = 0;
    int redraws = 0;
    std::vector<double> values;
    std::string hint;
    ORLRect size;

    void invalid() override { ++redraws; }
    void valueChanged() override { ++valueChanges; }
    void setHint(const char* t) override { hint = t; }
    void reserved() override {}
    void setValue(double v) override { values.push_back(v); }
    void setViewSize(const ORLRect& r) override { size = r; }
    bool isAttached() override { return true; }
    std::unique_ptr<ORLOffscreenContext> createOffscreen(int32_t, int32_t) override
    {
        return nullptr;
    }
};

struct FakeEngineView : RecordingView<ORLEngineTextEdit>
{
    std::string text;
    ORLFont* font = nullptr;

    void setText(const char* t) override { text = t; }
    void setFont(ORLFont* f) override { font = f; }
    void setFontColor(ORLColor) override {}
};

// An image of a given size that counts its references.
struct FakeBitmap : ORLBitmap
{
    FakeBitmap(int32_t w, int32_t h, int* liveCount = nullptr)
        : width(w), height(h), live(liveCount)
    {
        if (live)
            ++*live;
    }
    void remember() override { ++references; }
    void forget() override
    {
        if (--references == 0)
        {
            if (live)
                --*live;
            delete this;
        }
    }
    int32_t getWidth() override { return width; }
    int32_t getHeight() override { return height; }
    std::unique_ptr<ORLBitmapPixelAcces> createPixelAccess() override { return nullptr; }

    int references = 1;
    int32_t width;
    int32_t height;
    int* live;
};

// A draw context that records the images drawn.
struct FakeDrawContext : ORLDrawContext
{
    struct Blit
    {
        ORLBitmap* bitmap;
        ORLRect dest;
        ORLPoint source;
    };
    std::vector<Blit> blits;

    void setLineWidth(double) override {}
    void moveTo(ORLPoint) override {}
    void lineTo(ORLPoint) override {}
    void drawRect(const ORLRect&, int32_t) override {}
    void drawArc(const ORLRect&, double, double, int32_t) override {}
    void drawEllipse(const ORLRect&, int32_t) override {}
    void drawPoint(ORLPoint, ORLColor) override {}
    void drawPolygon(const ORLPoint*, int32_t, int32_t) override {}
    void drawBitmap(ORLBitmap* b, const ORLRect& d, ORLPoint s, float) override
    {
        blits.push_back({b, d, s});
    }
    void drawString(const char*, const ORLRect&, int32_t) override {}
    void setFont(ORLFont*) override {}
    void setFillColor(ORLColor) override {}
    void setFrameColor(ORLColor) override {}
    void setFontColor(ORLColor) override {}
    void beginDraw() override {}
    void endDraw() override {}
};
