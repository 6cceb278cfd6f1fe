#include "Artwork.h"
#include "ArtworkStyle.h"

namespace artwork
{
namespace
{
void drawHandle(juce::Graphics& g, int size)
{
    const auto s = static_cast<float>(size);
    const juce::Rectangle<float> dot(0.5f, 0.5f, s - 1.0f, s - 1.0f);
    // Light rim, then the dark-blue dot sunk into it.
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xffF4FBFF), 0.0f, 0.0f,
                                           juce::Colour(0xff9CC3DD), s, s, false));
    g.fillEllipse(dot);
    const auto inner = dot.reduced(s > 9.0f ? 1.6f : 1.3f);
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xff06182F), inner.getX(), inner.getY(),
                                           juce::Colour(0xff1D4F86), inner.getRight(),
                                           inner.getBottom(), false));
    g.fillEllipse(inner);
    g.setColour(juce::Colours::black.withAlpha(0.35f));
    g.drawEllipse(dot, 0.5f);
}

void drawButtonFrame(juce::Graphics& g, juce::Rectangle<float> area, bool pressed)
{
    const auto body = area.reduced(3.0f, 3.0f).withTrimmedBottom(pressed ? 0.0f : 1.0f);
    const float corner = 8.0f;
    // Well shadow and the cap's own shadow: a raised cap throws more.
    dropShadow(g, body, corner, pressed ? 1.5f : 3.0f, pressed ? 0.35f : 0.6f,
               {0.0f, pressed ? 0.5f : 1.6f});
    const auto cap = pressed ? body.translated(0.0f, 1.0f) : body;
    const juce::Colour top = pressed ? juce::Colour(0xff2D6FA6) : juce::Colour(0xff6DB5EC);
    const juce::Colour bottom = pressed ? juce::Colour(0xff1E4F7C) : juce::Colour(0xff215C93);
    g.setGradientFill(juce::ColourGradient(top, cap.getX(), cap.getY(), bottom, cap.getX(),
                                           cap.getBottom(), false));
    g.fillRoundedRectangle(cap, corner);
    // Gloss on the raised cap, inner shade on the pressed one.
    if (!pressed)
    {
        const auto gloss = cap.reduced(3.0f, 2.0f).withHeight(cap.getHeight() * 0.45f);
        g.setGradientFill(juce::ColourGradient(juce::Colours::white.withAlpha(0.55f), gloss.getX(),
                                               gloss.getY(), juce::Colours::white.withAlpha(0.04f),
                                               gloss.getX(), gloss.getBottom(), false));
        g.fillRoundedRectangle(gloss, corner - 2.0f);
    }
    else
    {
        g.setGradientFill(juce::ColourGradient(juce::Colours::black.withAlpha(0.35f), cap.getX(),
                                               cap.getY(), juce::Colours::transparentBlack,
                                               cap.getX(), cap.getY() + 8.0f, false));
        g.fillRoundedRectangle(cap, corner);
    }
    g.setColour(juce::Colour(0xff0B2743));
    g.drawRoundedRectangle(cap, corner, 1.0f);
    g.setColour(juce::Colours::white.withAlpha(pressed ? 0.12f : 0.4f));
    g.drawRoundedRectangle(cap.reduced(1.0f), corner - 1.0f, 0.8f);

    const auto font = face(11.0f, true);
    const float baseline = cap.getCentreY() + 4.0f;
    g.setColour(juce::Colours::black.withAlpha(0.5f));
    drawTrackedText(g, "BYPASS", font, cap.getCentreX(), baseline + 1.0f, 1.4f);
    g.setColour(pressed ? juce::Colour(0xffD8ECFA) : juce::Colours::white);
    drawTrackedText(g, "BYPASS", font, cap.getCentreX(), baseline, 1.4f);
}

void drawLed(juce::Graphics& g, juce::Rectangle<float> area, bool lit)
{
    const auto lens = area.withSizeKeepingCentre(9.0f, 9.0f);
    if (lit)
    {
        // Glow around the lens.
        for (float r = 6.5f; r >= 4.5f; r -= 0.5f)
        {
            g.setColour(juce::Colour(0xffFF2A1A).withAlpha(0.10f));
            g.fillEllipse(area.withSizeKeepingCentre(r * 2.0f, r * 2.0f));
        }
    }
    g.setColour(juce::Colour(0xff1A0B08));
    g.fillEllipse(lens.expanded(1.0f));
    const juce::Colour centre = lit ? juce::Colour(0xffFFD2C0) : juce::Colour(0xff5A1A14);
    const juce::Colour edge = lit ? juce::Colour(0xffE3150A) : juce::Colour(0xff230705);
    g.setGradientFill(juce::ColourGradient(centre, lens.getCentreX() - 1.0f,
                                           lens.getCentreY() - 1.2f, edge, lens.getRight(),
                                           lens.getCentreY(), true));
    g.fillEllipse(lens);
    g.setColour(juce::Colours::white.withAlpha(lit ? 0.85f : 0.35f));
    g.fillEllipse(lens.getX() + 2.0f, lens.getY() + 1.5f, 2.2f, 1.6f);
}
} // namespace

void drawLargeHandle(juce::Graphics& g)
{
    drawHandle(g, 11);
}
void drawSmallHandle(juce::Graphics& g)
{
    drawHandle(g, 8);
}

void drawBypassLed(juce::Graphics& g)
{
    drawLed(g, {0.0f, 0.0f, 13.0f, 12.0f}, false);
    drawLed(g, {0.0f, 12.0f, 13.0f, 12.0f}, true);
}

void drawBypassButton(juce::Graphics& g)
{
    drawButtonFrame(g, {0.0f, 0.0f, 78.0f, 35.0f}, false);
    drawButtonFrame(g, {0.0f, 35.0f, 78.0f, 35.0f}, true);
}

void drawWebSiteButton(juce::Graphics& g)
{
    const auto font = face(12.0f, true);
    const juce::String address("www.orlund-audio.com");
    const juce::Colour inks[] = {juce::Colour(0xffF2F4F6), juce::Colour(0xff6FC3FF),
                                 juce::Colour(0xffF2F4F6)};
    for (int frame = 0; frame < 3; ++frame)
    {
        const float top = 20.0f * static_cast<float>(frame);
        const float shift = frame == 2 ? 1.0f : 0.0f;
        const float baseline = top + 14.5f + shift;
        g.setColour(juce::Colours::black.withAlpha(0.7f));
        drawTrackedText(g, address, font, 112.5f + shift, baseline + 1.0f, 0.6f);
        g.setColour(inks[frame]);
        drawTrackedText(g, address, font, 112.5f + shift, baseline, 0.6f);
        if (frame == 1)
            g.fillRect(40.0f, top + 16.5f, 145.0f, 1.0f);
    }
}
} // namespace artwork
