#include "ORLChordwellEditor.h"

#include "ChordwellArtwork.h"
#include "NumberFormat.h"
#include "ORLBitmap.h"
#include "ORLCWHandleKnob.h"
#include "ORLKickButton.h"
#include "ORLMasterGraphicalEngine.h"
#include "ORLMovieMeter.h"
#include "ORLOnOffButton.h"
#include "ORLSharedFonts.h"
#include "ORLTextLabel.h"
#include "ORLViewContainer.h"
#include "ParameterTable.h"

#include <cmath>
#include <cstring>

using namespace chordwell::artwork;

namespace
{
constexpr double kKnobWheelStep = 0.05;
constexpr int32_t kMaxUnitCharacters = 7;
constexpr ORLColor kValueTextColor{0, 0, 0, 255};
constexpr ORLColor kPlateTextColor{79, 79, 79, 255};

// An image-sized rectangle at a fixed corner: width and height from the image, the height
// split into its frames.
ORLRect imageRect(double left, double top, ORLBitmap* image, int32_t frames)
{
    const int32_t width = image ? image->getWidth() : 0;
    const int32_t height = image ? image->getHeight() / frames : 0;
    return {left, top, left + width, top + height};
}

void release(ORLResource* resource)
{
    if (resource)
        resource->forget();
}

double unitClamped(double v)
{
    return v >= 0.0 ? (v <= 1.0 ? v : 1.0) : 0.0;
}
} // namespace

ORLChordwellEditor::ORLChordwellEditor(ORLMasterGraphicalEngine* e) : engine(e)
{
    if (ORLBitmap* front = engine->loadBitmap(kFrontPanel, 0))
    {
        rect = {0.0, 0.0, static_cast<double>(front->getWidth()),
                static_cast<double>(front->getHeight())};
        front->forget();
    }
}

void ORLChordwellEditor::open()
{
    // The large and medium faces are made as they always were, though no control uses them.
    release(ORLCreateFont("Arial", 22));
    release(ORLCreateFont("Arial", 12));
    ORLFont* plateFont = ORLCreateFont("Arial", 10);

    engine->setFrameBackground(kFrontPanel);
    frontPanel = engine->createViewContainer(rect);
    if (frontPanel)
    {
        frontPanel->setBackground(kFrontPanel);
        engine->addView(frontPanel);
    }
    rearPanel = engine->createViewContainer(rect);
    if (rearPanel)
        rearPanel->setBackground(kRearPanel);

    if (rearPanel)
    {
        frontPanelButton = new ORLKickButton(rect, kRearPanelTag, nullptr);
        rearPanel->addControl(frontPanelButton);
        frontPanelButton->setHint("Click to open the Front Panel");

        versionLabel = new ORLTextLabel({238, 115, 363, 131}, kRearPanelTag, nullptr, 0);
        rearPanel->addControl(versionLabel);
        versionLabel->setFont(plateFont);
        versionLabel->setFontColor(kPlateTextColor.red, kPlateTextColor.green, kPlateTextColor.blue,
                                   kPlateTextColor.alpha);
        versionLabel->setText(kVersionText);

        ORLBitmap* web = engine->loadBitmap(kWebSiteButton, 0);
        webSiteButton =
            new ORLKickButton(imageRect(89, 44, web, kWebSiteButtonFrames), kWebSiteTag, web);
        release(web);
        rearPanel->addControl(webSiteButton);
        webSiteButton->setHint("Click to visit the Orlund web site at www.orlund-audio.com");

        creditLabel = new ORLTextLabel({90, 170, 315, 186}, kRearPanelTag, nullptr, 1);
        rearPanel->addControl(creditLabel);
        creditLabel->setFont(plateFont);
        creditLabel->setFontColor(kPlateTextColor.red, kPlateTextColor.green, kPlateTextColor.blue,
                                  kPlateTextColor.alpha);
        creditLabel->setText(kCreditText);
    }
    release(plateFont);

    if (frontPanel)
        buildFrontPanel();
}

void ORLChordwellEditor::buildFrontPanel()
{
    ORLBitmap* buttonImage = engine->loadBitmap(kBypassButton, 0);
    bypassButton = new ORLOnOffButton(imageRect(164, 203, buttonImage, kBypassButtonFrames),
                                      kBypassTag, buttonImage);
    release(buttonImage);
    bypassButton->setDefaultValue(0.0);
    frontPanel->addControl(bypassButton);
    bypassButton->setHint("Turns the reverberator into bypass mode");

    ORLBitmap* ledImage = engine->loadBitmap(kBypassLed, 0);
    bypassLed = new ORLMovieMeter(imageRect(194, 169, ledImage, kBypassLedFrames), kBypassTag,
                                  ledImage, kBypassLedFrames);
    release(ledImage);
    frontPanel->addControl(bypassLed);
    bypassLed->setHint("The bypass mode LED");
    bypassLed->setMeterValue(0.0);
    bypassLed->redraw();

    ORLBitmap* small = engine->loadBitmap(kSmallHandle, 0);
    addKnob(0, {292, 206, 319, 233}, {275, 237, 338, 251}, small, 0.5,
            "Sets output level in the range of \xE2\x80\x93oo to +12 dB", "The output level");
    addKnob(1, {81, 206, 108, 233}, {64, 237, 127, 251}, small, 0.25,
            "Sets the ratio between a dry and effected signal",
            "The ratio between a dry and effected signal");
    addKnob(4, {187, 108, 214, 135}, {170, 141, 233, 155}, small, 0.5,
            "Sets the transposition for a string system", "The transposition for a string system");
    addKnob(5, {136, 154, 163, 181}, {119, 187, 182, 201}, small, 0.5,
            "Tunes a string system by -100 to +100 cents", "The tune of a string system");
    addKnob(6, {237, 154, 264, 181}, {221, 187, 284, 201}, small, 0.0, "Detunes a string system",
            "The Detun of a string system");
    release(small);

    ORLBitmap* large = engine->loadBitmap(kLargeHandle, 0);
    addKnob(2, {63, 89, 119, 145}, {60, 151, 123, 165}, large, 0.5,
            "Sets the reverberation decay time", "The reverberation decay time");
    addKnob(3, {281, 89, 337, 145}, {278, 151, 341, 165}, large, 0.5,
            "Sets the damping factor for high frequencies",
            "The damping factor for high frequencies");
    release(large);

    rearPanelButton = new ORLKickButton({39, 13, 361, 60}, kTitleBandTag, nullptr);
    frontPanel->addControl(rearPanelButton);
    rearPanelButton->setHint("Click on the label to open the Rear Panel");
}

void ORLChordwellEditor::addKnob(int32_t tag, const ORLRect& knobRect, const ORLRect& labelRect,
                                 ORLBitmap* handle, double defaultValue, const char* knobHint,
                                 const char* labelHint)
{
    auto* knob = new ORLCWHandleKnob(knobRect, tag, handle);
    knob->setDefaultValue(defaultValue);
    knob->setWheelStep(kKnobWheelStep);
    frontPanel->addControl(knob);
    knob->setHint(knobHint);
    knobs[tag] = knob;

    auto* label = new ORLTextLabel(labelRect, tag, nullptr, 1);
    frontPanel->addControl(label);
    label->setFont(ORLGetSharedFont(10));
    label->setFontColor(kValueTextColor.red, kValueTextColor.green, kValueTextColor.blue,
                        kValueTextColor.alpha);
    label->setText(kInitialValueText);
    label->setHint(labelHint);
    valueLabels[tag] = label;
}

void ORLChordwellEditor::close()
{
    frontPanel = nullptr;
    rearPanel = nullptr;
    bypassButton = nullptr;
    knobs.fill(nullptr);
    valueLabels.fill(nullptr);
    bypassLed = nullptr;
    rearPanelButton = nullptr;
    frontPanelButton = nullptr;
    versionLabel = nullptr;
    creditLabel = nullptr;
    webSiteButton = nullptr;
}

void ORLChordwellEditor::writeValueText(int32_t tag, double value, char* text)
{
    text[0] = 0;
    switch (tag)
    {
    case 0:
    case 4:
        getParameterValueText(tag, value, text);
        break;
    case 5:
        formatNumber(static_cast<float>((value - 0.5) * 200.0), 0, text);
        break;
    default:
        formatNumber(static_cast<float>(value * 100.0), 0, text);
        break;
    }
    char unit[32] = {};
    getParameterUnitText(unit, tag);
    const size_t length = std::strlen(text);
    const size_t unitLength = strnlen(unit, kMaxUnitCharacters);
    std::memcpy(text + length, unit, unitLength);
    text[length + unitLength] = 0;
}

void ORLChordwellEditor::updateParameterDisplay(int32_t tag, double value)
{
    // A value from the host that is not a number reads as 0.
    value = unitClamped(value);
    if (tag >= 0 && tag < kKnobCount)
    {
        ORLCWHandleKnob* knob = knobs[tag];
        ORLTextLabel* label = valueLabels[tag];
        if (!knob || !label)
            return;
        knob->setValue(value);
        knob->redraw();
        char text[64];
        writeValueText(tag, value, text);
        label->setText(text);
        label->redraw();
    }
    else if (tag == kBypassTag)
    {
        if (!bypassButton || !bypassLed)
            return;
        const auto engaged = static_cast<int32_t>(value + 0.5);
        bypassButton->setValue(engaged);
        bypassButton->redraw();
        bypassLed->setMeterValue(engaged != 0 ? 1.0 : 0.0);
        bypassLed->redraw();
    }
}

void ORLChordwellEditor::controlChanged(int32_t tag, double value)
{
    if (tag >= 0 && tag <= kBypassTag)
    {
        engine->parameterEdited(tag, value);
    }
    else if (tag == kShowRearTag || tag == kTitleBandTag)
    {
        if (rearPanel)
            engine->addView(rearPanel);
    }
    else if (tag == kShowFrontTag || tag == kRearPanelTag)
    {
        if (rearPanel)
            engine->removeView(rearPanel);
    }
    else if (tag == kWebSiteTag)
    {
        if (webOpener)
            webOpener(kWebAddress);
    }
}

void ORLChordwellEditor::idle() {}

ORLCWHandleKnob* ORLChordwellEditor::getKnob(int32_t tag) const
{
    return tag >= 0 && tag < kKnobCount ? knobs[tag] : nullptr;
}

ORLTextLabel* ORLChordwellEditor::getValueLabel(int32_t tag) const
{
    return tag >= 0 && tag < kKnobCount ? valueLabels[tag] : nullptr;
}
