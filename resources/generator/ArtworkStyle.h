#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Shared colours, fonts and drawing helpers of the artwork.
namespace artwork
{
namespace colours
{
inline const juce::Colour amberLight{0xffF2B13A};
inline const juce::Colour amber{0xffE39A1E};
inline const juce::Colour amberDark{0xffB8690C};
inline const juce::Colour print{0xff3B2205};
inline const juce::Colour blueLight{0xffBFE3F5};
inline const juce::Colour blue{0xff8CC6E6};
inline const juce::Colour blueDeep{0xff4C8DBC};
inline const juce::Colour navy{0xff0E2C4C};
} // namespace colours

// Liberation Sans stands in for Arial; sizes are character heights in pixels.
juce::Font face(float pixels, bool bold);

// Text with letters spread by `tracking` pixels, centred on x at the baseline y.
void drawTrackedText(juce::Graphics& g, const juce::String& text, const juce::Font& font,
                     float centreX, float baseline, float tracking);

// A printed caption: dark ink with a faint light emboss under it.
void drawCaption(juce::Graphics& g, const juce::String& text, float centreX, float baseline);

// Fine, repeatable grain over an area (alpha of the strongest speck).
void addGrain(juce::Graphics& g, juce::Rectangle<int> area, float alpha, int seed);

// A soft shadow of a rounded rectangle, drawn in rings.
void dropShadow(juce::Graphics& g, juce::Rectangle<float> r, float corner, float spread,
                float alpha, juce::Point<float> offset);

// A slotted screw head.
void drawScrew(juce::Graphics& g, juce::Point<float> centre, float radius, float slotAngle);

// The dark string bed that every panel lies on.
void drawStringBed(juce::Graphics& g, juce::Rectangle<int> area);

// The box's outline on both faces.
juce::Rectangle<float> boxBounds();
inline constexpr float kBoxCorner = 16.0f;
} // namespace artwork
