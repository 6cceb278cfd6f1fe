#include "Artwork.h"
#include "ArtworkStyle.h"

namespace artwork
{
namespace
{
constexpr int kWidth = 401;
constexpr int kHeight = 282;
constexpr float kPi = juce::MathConstants<float>::pi;

struct Knob
{
    float left, top, size;
    const char* caption;
};

// The knob rectangles of the editor; a face is centred where its handle circles.
const Knob knobs[] = {
    {292, 206, 27, "OUTPUT"}, {81, 206, 27, "MIX"},     {187, 108, 27, "TRANSPOSE"},
    {136, 154, 27, "TUNE"},   {237, 154, 27, "DETUNE"}, {63, 89, 56, "DECAY TIME"},
    {281, 89, 56, "DAMPING"},
};

const juce::Rectangle<float> valueWindows[] = {
    {275, 237, 63, 14}, {64, 237, 63, 14}, {170, 141, 63, 14}, {119, 187, 63, 14},
    {221, 187, 63, 14}, {60, 151, 63, 14}, {278, 151, 63, 14},
};

juce::Point<float> faceCentre(const Knob& k)
{
    // Where the handle's circle is centred: half the width plus the half pixel of its draw.
    return {k.left + k.size * 0.5f + 0.5f, k.top + k.size * 0.5f + 0.5f};
}

void drawAmberBox(juce::Graphics& g)
{
    const auto box = boxBounds();
    dropShadow(g, box, kBoxCorner, 7.0f, 0.9f, {0.0f, 3.0f});
    g.setGradientFill(juce::ColourGradient(colours::amberLight, box.getX(), box.getY(),
                                           colours::amberDark, box.getX(), box.getBottom(), false));
    g.fillRoundedRectangle(box, kBoxCorner);
    // A soft sheen from the upper left.
    juce::ColourGradient sheen(juce::Colours::white.withAlpha(0.20f), box.getX() + 60.0f,
                               box.getY() + 30.0f, juce::Colours::transparentWhite,
                               box.getX() + 260.0f, box.getY() + 200.0f, true);
    g.setGradientFill(sheen);
    g.fillRoundedRectangle(box, kBoxCorner);

    g.saveState();
    juce::Path clip;
    clip.addRoundedRectangle(box, kBoxCorner);
    g.reduceClipRegion(clip);
    addGrain(g, box.toNearestInt(), 0.07f, 11);
    g.restoreState();

    g.setColour(juce::Colour(0xff5A3204));
    g.drawRoundedRectangle(box, kBoxCorner, 1.2f);
    g.setColour(juce::Colours::white.withAlpha(0.45f));
    g.drawRoundedRectangle(box.reduced(1.3f), kBoxCorner - 1.3f, 0.9f);
}

void drawTitleBand(juce::Graphics& g)
{
    const juce::Rectangle<float> band(39.0f, 13.0f, 322.0f, 47.0f);
    // Sunk into the box: dark upper edge, light lower edge.
    g.setColour(juce::Colours::black.withAlpha(0.30f));
    g.fillRoundedRectangle(band.translated(0.0f, -1.0f).expanded(1.0f), 9.0f);
    g.setColour(juce::Colours::white.withAlpha(0.40f));
    g.fillRoundedRectangle(band.translated(0.0f, 1.2f).expanded(0.5f), 9.0f);
    g.setGradientFill(juce::ColourGradient(colours::blueLight, band.getX(), band.getY(),
                                           colours::blue, band.getX(), band.getBottom(), false));
    g.fillRoundedRectangle(band, 8.0f);
    g.setGradientFill(juce::ColourGradient(juce::Colours::black.withAlpha(0.18f), band.getX(),
                                           band.getY(), juce::Colours::transparentBlack,
                                           band.getX(), band.getY() + 6.0f, false));
    g.fillRoundedRectangle(band, 8.0f);
    g.setColour(juce::Colour(0xff2D5C80).withAlpha(0.7f));
    g.drawRoundedRectangle(band, 8.0f, 0.8f);

    // Product name: a small ORL, then CHORDWELL in wide capitals.
    const float centre = band.getCentreX();
    g.setColour(juce::Colours::white.withAlpha(0.55f));
    drawTrackedText(g, "ORL  CHORDWELL", face(22.0f, true), centre, 41.8f, 3.0f);
    g.setColour(colours::navy);
    drawTrackedText(g, "ORL  CHORDWELL", face(22.0f, true), centre, 41.0f, 3.0f);
    g.setColour(colours::navy.withAlpha(0.85f));
    drawTrackedText(g, "RESONANT  REVERBERATOR", face(7.5f, true), centre, 53.0f, 2.2f);
    g.setColour(colours::navy.withAlpha(0.45f));
    g.fillRect(band.getX() + 18.0f, 50.0f, 50.0f, 0.8f);
    g.fillRect(band.getRight() - 68.0f, 50.0f, 50.0f, 0.8f);
}

void drawScale(juce::Graphics& g, juce::Point<float> c, float inner, float outer, int ticks)
{
    for (int i = 0; i < ticks; ++i)
    {
        // From lower left (value 0) clockwise over the top to lower right (value 1).
        const float value = static_cast<float>(i) / static_cast<float>(ticks - 1);
        const float a = (5.0f / 6.0f - value) * 1.5f * kPi;
        const bool major = i == 0 || i == ticks - 1 || i == (ticks - 1) / 2;
        const float from = major ? inner - 1.0f : inner;
        const juce::Point<float> dir(std::cos(a), -std::sin(a));
        g.setColour(colours::print.withAlpha(major ? 0.95f : 0.7f));
        g.drawLine({c + dir * from, c + dir * outer}, major ? 1.3f : 0.9f);
    }
}

void drawKnobFace(juce::Graphics& g, const Knob& k)
{
    const auto c = faceCentre(k);
    const bool large = k.size > 40.0f;
    const float radius = large ? 27.0f : 12.5f;
    drawScale(g, c, radius + (large ? 3.0f : 2.5f), radius + (large ? 7.0f : 5.5f),
              large ? 21 : 11);

    const auto disc = juce::Rectangle<float>(radius * 2.0f, radius * 2.0f).withCentre(c);
    // Skirt shadow and a dark bezel.
    g.setColour(juce::Colours::black.withAlpha(0.25f));
    g.fillEllipse(disc.translated(0.8f, 2.2f).expanded(1.5f));
    g.setColour(juce::Colours::black.withAlpha(0.35f));
    g.fillEllipse(disc.translated(0.3f, 1.0f).expanded(0.8f));
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xff2F5A7A), c.x, disc.getY(),
                                           juce::Colour(0xff0F2437), c.x, disc.getBottom(), false));
    g.fillEllipse(disc.expanded(0.8f));
    // The light-blue face, lit from the upper left.
    const auto faceDisc = disc.reduced(large ? 2.0f : 1.2f);
    juce::ColourGradient light(juce::Colour(0xffE6F5FD), c.x - radius * 0.45f, c.y - radius * 0.55f,
                               colours::blueDeep, c.x + radius * 0.7f, c.y + radius * 0.9f, true);
    light.addColour(0.55, colours::blue);
    g.setGradientFill(light);
    g.fillEllipse(faceDisc);
    // Concentric machining rings.
    for (float r = faceDisc.getWidth() * 0.5f - 2.0f; r > 2.0f; r -= large ? 2.0f : 1.6f)
    {
        g.setColour(juce::Colours::white.withAlpha(0.07f));
        g.drawEllipse(juce::Rectangle<float>(r * 2.0f, r * 2.0f).withCentre(c), 0.5f);
    }
    g.setColour(juce::Colours::white.withAlpha(0.7f));
    g.drawEllipse(faceDisc.reduced(0.4f), 0.7f);
    // Centre cap on the large knobs.
    if (large)
    {
        const auto cap = juce::Rectangle<float>(12.0f, 12.0f).withCentre(c);
        g.setGradientFill(juce::ColourGradient(juce::Colour(0xff9FCBE6), cap.getX(), cap.getY(),
                                               juce::Colour(0xffE8F6FE), cap.getRight(),
                                               cap.getBottom(), false));
        g.fillEllipse(cap);
        g.setColour(juce::Colour(0xff3E7299).withAlpha(0.6f));
        g.drawEllipse(cap, 0.6f);
    }

    const float captionY = large ? k.top - 10.0f : k.top - 7.0f;
    drawCaption(g, k.caption, c.x, captionY);
}

void drawValueWindow(juce::Graphics& g, juce::Rectangle<float> r)
{
    const auto w = r.reduced(6.0f, 0.5f);
    g.setColour(juce::Colours::black.withAlpha(0.28f));
    g.fillRoundedRectangle(w.translated(0.0f, -0.8f), 3.0f);
    g.setColour(juce::Colours::white.withAlpha(0.45f));
    g.fillRoundedRectangle(w.translated(0.0f, 0.8f), 3.0f);
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xffF6D796), w.getX(), w.getY(),
                                           juce::Colour(0xffFBE7B8), w.getX(), w.getBottom(),
                                           false));
    g.fillRoundedRectangle(w, 3.0f);
}

void drawBypassSeat(juce::Graphics& g)
{
    // The well the bypass button sits in.
    const juce::Rectangle<float> well(162.0f, 201.0f, 82.0f, 39.0f);
    g.setColour(juce::Colours::black.withAlpha(0.30f));
    g.fillRoundedRectangle(well.translated(0.0f, -0.8f), 10.0f);
    g.setColour(juce::Colours::white.withAlpha(0.40f));
    g.fillRoundedRectangle(well.translated(0.0f, 1.0f), 10.0f);
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xff7A4A0C), well.getX(), well.getY(),
                                           juce::Colour(0xffA8650F), well.getX(), well.getBottom(),
                                           false));
    g.fillRoundedRectangle(well, 10.0f);

    // The small hole the LED sits in.
    const auto hole = juce::Rectangle<float>(12.0f, 12.0f).withCentre({200.5f, 175.0f});
    g.setColour(juce::Colours::white.withAlpha(0.45f));
    g.fillEllipse(hole.translated(0.0f, 1.0f).expanded(1.0f));
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xff1B0E04), hole.getX(), hole.getY(),
                                           juce::Colour(0xff4A2A08), hole.getX(), hole.getBottom(),
                                           false));
    g.fillEllipse(hole.expanded(1.0f));
}

void drawMakerMark(juce::Graphics& g)
{
    g.setColour(juce::Colours::white.withAlpha(0.35f));
    drawTrackedText(g, "ORLUND", face(8.0f, true), 200.5f, 262.8f, 4.0f);
    g.setColour(colours::print.withAlpha(0.8f));
    drawTrackedText(g, "ORLUND", face(8.0f, true), 200.5f, 262.0f, 4.0f);
}

void drawBoxScrews(juce::Graphics& g)
{
    const auto box = boxBounds();
    const float inset = 10.0f;
    const juce::Point<float> corners[] = {
        {box.getX() + inset, box.getY() + inset + 60.0f},
        {box.getRight() - inset, box.getY() + inset + 60.0f},
        {box.getX() + inset, box.getBottom() - inset},
        {box.getRight() - inset, box.getBottom() - inset},
    };
    float angle = 0.4f;
    for (auto c : corners)
    {
        drawScrew(g, c, 3.6f, angle);
        angle += 1.1f;
    }
}

void drawUnderside(juce::Graphics& g)
{
    const auto box = boxBounds();
    dropShadow(g, box, kBoxCorner, 7.0f, 0.9f, {0.0f, 3.0f});
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xff34302C), box.getX(), box.getY(),
                                           juce::Colour(0xff1B1917), box.getRight(),
                                           box.getBottom(), false));
    g.fillRoundedRectangle(box, kBoxCorner);
    g.saveState();
    juce::Path clip;
    clip.addRoundedRectangle(box, kBoxCorner);
    g.reduceClipRegion(clip);
    // Moulded texture: heavy grain and a fine diagonal ribbing.
    addGrain(g, box.toNearestInt(), 0.16f, 23);
    for (float x = box.getX() - box.getHeight(); x < box.getRight(); x += 3.0f)
    {
        g.setColour(juce::Colours::white.withAlpha(0.025f));
        g.drawLine(x, box.getBottom(), x + box.getHeight(), box.getY(), 1.0f);
    }
    g.restoreState();
    g.setColour(juce::Colours::black);
    g.drawRoundedRectangle(box, kBoxCorner, 1.2f);
    g.setColour(juce::Colours::white.withAlpha(0.12f));
    g.drawRoundedRectangle(box.reduced(1.3f), kBoxCorner - 1.3f, 0.9f);

    // A rubber foot in each corner.
    const float inset = 22.0f;
    const juce::Point<float> feet[] = {
        {box.getX() + inset, box.getY() + inset},
        {box.getRight() - inset, box.getY() + inset},
        {box.getX() + inset, box.getBottom() - inset},
        {box.getRight() - inset, box.getBottom() - inset},
    };
    for (auto c : feet)
    {
        const auto foot = juce::Rectangle<float>(26.0f, 26.0f).withCentre(c);
        g.setColour(juce::Colours::black.withAlpha(0.6f));
        g.fillEllipse(foot.translated(1.0f, 2.0f).expanded(1.0f));
        g.setGradientFill(juce::ColourGradient(juce::Colour(0xff4A4643), c.x - 6.0f, c.y - 7.0f,
                                               juce::Colour(0xff121110), c.x + 10.0f, c.y + 12.0f,
                                               true));
        g.fillEllipse(foot);
        g.setColour(juce::Colours::white.withAlpha(0.10f));
        g.drawEllipse(foot.reduced(3.0f), 0.8f);
        g.setColour(juce::Colours::black.withAlpha(0.5f));
        g.fillEllipse(juce::Rectangle<float>(6.0f, 6.0f).withCentre(c));
        g.setColour(juce::Colours::white.withAlpha(0.15f));
        g.drawEllipse(juce::Rectangle<float>(6.0f, 6.0f).withCentre(c), 0.6f);
    }
}

void drawPlate(juce::Graphics& g)
{
    const juce::Rectangle<float> plate(72.0f, 86.0f, 300.0f, 112.0f);
    dropShadow(g, plate, 4.0f, 4.0f, 0.8f, {0.0f, 2.0f});
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xffDCDDDA), plate.getX(), plate.getY(),
                                           juce::Colour(0xffA9ABA8), plate.getX(),
                                           plate.getBottom(), false));
    g.fillRoundedRectangle(plate, 4.0f);
    // Brushed: fine horizontal streaks of varying brightness.
    juce::Random random(31);
    g.saveState();
    g.reduceClipRegion(plate.toNearestInt());
    for (float y = plate.getY(); y < plate.getBottom(); y += 0.5f)
    {
        const float shade = random.nextFloat();
        const float x = plate.getX() + random.nextFloat() * plate.getWidth() * 0.6f;
        g.setColour((shade > 0.5f ? juce::Colours::white : juce::Colours::black)
                        .withAlpha(0.05f + 0.08f * std::abs(shade - 0.5f)));
        g.fillRect(
            juce::Rectangle<float>(x - 40.0f, y, 120.0f + random.nextFloat() * 200.0f, 0.5f));
    }
    g.restoreState();
    g.setColour(juce::Colours::white.withAlpha(0.8f));
    g.drawRoundedRectangle(plate.reduced(0.8f), 3.5f, 0.8f);
    g.setColour(juce::Colour(0xff4F504E));
    g.drawRoundedRectangle(plate, 4.0f, 1.0f);

    for (auto c : {juce::Point<float>(plate.getX() + 8.0f, plate.getY() + 8.0f),
                   juce::Point<float>(plate.getRight() - 8.0f, plate.getY() + 8.0f),
                   juce::Point<float>(plate.getX() + 8.0f, plate.getBottom() - 8.0f),
                   juce::Point<float>(plate.getRight() - 8.0f, plate.getBottom() - 8.0f)})
        drawScrew(g, c, 3.2f, c.x * 0.07f);

    // Engraved lettering: a light lower edge under dark strokes.
    const auto engrave = [&g](const juce::String& text, const juce::Font& font, float x,
                              float baseline, juce::Colour ink)
    {
        g.setFont(font);
        g.setColour(juce::Colours::white.withAlpha(0.75f));
        g.drawSingleLineText(text, static_cast<int>(x), static_cast<int>(baseline + 1.0f));
        g.setColour(ink);
        g.drawSingleLineText(text, static_cast<int>(x), static_cast<int>(baseline));
    };
    const juce::Colour ink(0xff3C3D3B);
    engrave("ORL Chordwell", face(17.0f, true), 90.0f, 112.0f, ink);
    engrave("Resonant Reverberator", face(10.0f, false), 90.0f, 127.0f, ink);
    g.setColour(ink.withAlpha(0.5f));
    g.fillRect(90.0f, 137.0f, 264.0f, 0.8f);
    g.setColour(juce::Colours::white.withAlpha(0.6f));
    g.fillRect(90.0f, 137.8f, 264.0f, 0.8f);
    engrave("Designed and built by Orlund", face(9.0f, false), 90.0f, 152.0f, ink);
    engrave("Twelve tuned strings, one octave of resonance", face(9.0f, false), 90.0f, 164.0f,
            ink.withAlpha(0.8f));
}
} // namespace

void drawFrontPanel(juce::Graphics& g)
{
    drawStringBed(g, {0, 0, kWidth, kHeight});
    drawAmberBox(g);
    drawTitleBand(g);
    drawBoxScrews(g);
    for (const auto& w : valueWindows)
        drawValueWindow(g, w);
    for (const auto& k : knobs)
        drawKnobFace(g, k);
    drawBypassSeat(g);
    drawMakerMark(g);
}

void drawRearPanel(juce::Graphics& g)
{
    drawStringBed(g, {0, 0, kWidth, kHeight});
    drawUnderside(g);
    drawPlate(g);
    // Under the web address, a faint legend on the moulding.
    g.setColour(juce::Colours::white.withAlpha(0.35f));
    drawTrackedText(g, "CLICK ANYWHERE TO TURN THE BOX OVER", face(7.0f, true), 200.5f, 238.0f,
                    1.5f);
}
} // namespace artwork
