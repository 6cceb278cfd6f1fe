#pragma once

#include "ORLHintTracker.h"

#include <string>

// Two views side by side (x below 100 is the knob, from 100 the panel without a tooltip).
struct FakeFrame : Orlund::ORLHintFrame
{
    bool inside = true;
    ORLPoint pointer{50, 50};
    int32_t buttons = 0;
    int shows = 0;
    int hides = 0;
    std::string shownText;
    ORLRect shownArea;
    int tooltipQueries = 0;

    bool isPointerInside() override { return inside; }
    ORLPoint getPointerPosition() override { return pointer; }
    int32_t getCurrentButtons() override { return buttons; }
    const void* findViewAt(ORLPoint p) override { return p.x < 100 ? &knob : &panel; }
    std::string getTooltip(const void* view) override
    {
        ++tooltipQueries;
        return view == &knob ? "Sets the reverberation decay time" : "";
    }
    void showHint(const std::string& text, const ORLRect& area) override
    {
        ++shows;
        shownText = text;
        shownArea = area;
    }
    void hideHint() override { ++hides; }

    int knob = 0;
    int panel = 0;
};
