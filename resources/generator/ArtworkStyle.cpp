#include "ArtworkStyle.h"

namespace artwork
{
juce::Font face(float pixels, bool bold)
{
    return juce::Font("Liberation Sans", pixels, bold ? juce::Font::bold : juce::Font::plain)
        .withPointHeight(pixels);
}

void drawTrackedText(juce::Graphics& g, const juce::String& text, const juce::Font& font,
                     float centreX, float baseline, float tracking)
{
    juce::GlyphArrangement glyphs;
    glyphs.addLineOfText(font, text, 0.0f, baseline);
    const int count = glyphs.getNumGlyphs();
    for (int i = 0; i < count; ++i)
        glyphs.moveRangeOfGlyphs(i, 1, tracking * static_cast<float>(i), 0.0f);
    const auto bounds = glyphs.getBoundingBox(0, count, true);
    glyphs.moveRangeOfGlyphs(0, count, centreX - bounds.getCentreX(), 0.0f);
    glyphs.draw(g);
}

void drawCaption(juce::Graphics& g, const juce::String& text, float centreX, float baseline)
{
    const auto font = face(8.0f, true);
    g.setColour(juce::Colours::white.withAlpha(0.35f));
    drawTrackedText(g, text, font, centreX, baseline + 0.8f, 0.9f);
    g.setColour(colours::print);
    drawTrackedText(g, text, font, centreX, baseline, 0.9f);
}

void addGrain(juce::Graphics& g, juce::Rectangle<int> area, float alpha, int seed)
{
    juce::Random random(seed);
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            const float n = random.nextFloat();
            if (n < 0.5f)
                g.setColour(juce::Colours::black.withAlpha(alpha * (0.5f - n)));
            else
                g.setColour(juce::Colours::white.withAlpha(alpha * (n - 0.5f)));
            g.fillRect(x, y, 1, 1);
        }
}

void dropShadow(juce::Graphics& g, juce::Rectangle<float> r, float corner, float spread,
                float alpha, juce::Point<float> offset)
{
    const int rings = static_cast<int>(spread);
    for (int i = rings; i >= 1; --i)
    {
        const float grow = static_cast<float>(i);
        const float a = alpha * (1.0f - grow / (spread + 1.0f));
        g.setColour(juce::Colours::black.withAlpha(a / spread * 2.0f));
        g.fillRoundedRectangle(r.translated(offset.x, offset.y).expanded(grow), corner + grow);
    }
}

void drawScrew(juce::Graphics& g, juce::Point<float> c, float radius, float slotAngle)
{
    const juce::Rectangle<float> head(c.x - radius, c.y - radius, radius * 2, radius * 2);
    g.setColour(juce::Colours::black.withAlpha(0.45f));
    g.fillEllipse(head.translated(0.6f, 0.8f).expanded(0.6f));
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xffE8E8E4), head.getX(), head.getY(),
                                           juce::Colour(0xff6E6E6A), head.getRight(),
                                           head.getBottom(), false));
    g.fillEllipse(head);
    g.setColour(juce::Colours::black.withAlpha(0.5f));
    g.drawEllipse(head, 0.6f);
    const juce::Point<float> d(std::cos(slotAngle) * radius * 0.8f,
                               std::sin(slotAngle) * radius * 0.8f);
    g.setColour(juce::Colour(0xff2A2A28));
    g.drawLine({c - d, c + d}, 1.1f);
    g.setColour(juce::Colours::white.withAlpha(0.35f));
    g.drawLine({c - d + juce::Point<float>(0.4f, 0.7f), c + d + juce::Point<float>(0.4f, 0.7f)},
               0.5f);
}

void drawStringBed(juce::Graphics& g, juce::Rectangle<int> area)
{
    const auto a = area.toFloat();
    // Dark felt under the strings.
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xff1C1A1D), a.getCentreX(), a.getY(),
                                           juce::Colour(0xff08080A), a.getCentreX(), a.getBottom(),
                                           false));
    g.fillRect(a);
    addGrain(g, area, 0.10f, 7);

    // Strings in unison pairs, slightly slanted, each a wound cylinder with a specular line.
    const float slant = 14.0f;
    for (float x = a.getX() - slant - 4.0f; x < a.getRight() + 6.0f; x += 9.0f)
    {
        for (float pair : {0.0f, 2.6f})
        {
            const float x0 = x + pair;
            const juce::Line<float> line(x0, a.getY() - 2.0f, x0 + slant, a.getBottom() + 2.0f);
            g.setColour(juce::Colours::black.withAlpha(0.55f));
            g.drawLine(line.getStartX() + 1.2f, line.getStartY(), line.getEndX() + 1.2f,
                       line.getEndY(), 1.6f);
            g.setColour(juce::Colour(0xff8C8273));
            g.drawLine(line, 1.5f);
            g.setColour(juce::Colour(0xffF1E6D2));
            g.drawLine(line.getStartX() - 0.3f, line.getStartY(), line.getEndX() - 0.3f,
                       line.getEndY(), 0.5f);
        }
    }
    // Winding: faint cross-hatching along the strings, then a vignette.
    for (int y = area.getY(); y < area.getBottom(); y += 2)
    {
        g.setColour(juce::Colours::black.withAlpha(0.12f));
        g.fillRect(area.getX(), y, area.getWidth(), 1);
    }
    juce::ColourGradient vignette(juce::Colours::transparentBlack, a.getCentreX(), a.getCentreY(),
                                  juce::Colours::black.withAlpha(0.45f), a.getX(), a.getY(), true);
    g.setGradientFill(vignette);
    g.fillRect(a);
}

juce::Rectangle<float> boxBounds()
{
    return {29.0f, 5.0f, 343.0f, 270.0f};
}
} // namespace artwork
