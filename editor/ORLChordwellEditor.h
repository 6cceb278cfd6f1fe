#pragma once

#include "ORLBaseEditor.h"
#include "ORLGraphicsTypes.h"

#include <array>
#include <cstdint>
#include <functional>

class ORLBitmap;
class ORLMasterGraphicalEngine;
class ORLViewContainer;
class ORLOnOffButton;
class ORLCWHandleKnob;
class ORLTextLabel;
class ORLMovieMeter;
class ORLKickButton;

// The product editor: a front panel with seven knobs, their value labels, the bypass button
// and its LED, and a rear panel with version and credits that is shown over the front.
// Written only against the graphics engine interfaces. Every control pointer is non-owning:
// the panels' views own the controls. Main (UI) thread only.
class ORLChordwellEditor : public ORLBaseEditor
{
  public:
    static constexpr int32_t kKnobCount = 7;
    static constexpr int32_t kBypassTag = 7;
    static constexpr int32_t kShowRearTag = 10;
    static constexpr int32_t kShowFrontTag = 11;
    static constexpr int32_t kTitleBandTag = 12;
    static constexpr int32_t kRearPanelTag = 13;
    static constexpr int32_t kWebSiteTag = 14;
    static constexpr const char* kWebAddress = "https://www.orlund-audio.com";
    static constexpr const char* kVersionText = "ver. 1.8.5";
    static constexpr const char* kCreditText = "AAX Native by Avid Technology";
    static constexpr const char* kInitialValueText = "BETATEXT";

    // Opens the web site; given the address. Set by the owner to the platform's shell.
    using WebOpener = std::function<void(const char* address)>;

    // Takes the editor rectangle from the front-panel image's size.
    explicit ORLChordwellEditor(ORLMasterGraphicalEngine* engine);

    void open() override;
    void close() override;
    void updateParameterDisplay(int32_t tag, double value) override;
    void controlChanged(int32_t tag, double value) override;
    void idle() override;

    void setWebOpener(WebOpener opener) { webOpener = std::move(opener); }
    const ORLRect& getRect() const { return rect; }

    // Read access for the owner and for tests; null while closed.
    ORLViewContainer* getFrontPanel() const { return frontPanel; }
    ORLViewContainer* getRearPanel() const { return rearPanel; }
    ORLOnOffButton* getBypassButton() const { return bypassButton; }
    ORLMovieMeter* getBypassLed() const { return bypassLed; }
    ORLCWHandleKnob* getKnob(int32_t tag) const;
    ORLTextLabel* getValueLabel(int32_t tag) const;

  private:
    void buildRearPanel();
    void buildFrontPanel();
    void addKnob(int32_t tag, const ORLRect& knobRect, const ORLRect& labelRect, ORLBitmap* handle,
                 double defaultValue, const char* knobHint, const char* labelHint);
    void writeValueText(int32_t tag, double value, char* text);

    ORLRect rect;
    ORLMasterGraphicalEngine* engine;
    ORLViewContainer* frontPanel = nullptr;
    ORLViewContainer* rearPanel = nullptr;
    ORLOnOffButton* bypassButton = nullptr;
    std::array<ORLCWHandleKnob*, kKnobCount> knobs{};
    std::array<ORLTextLabel*, kKnobCount> valueLabels{};
    ORLMovieMeter* bypassLed = nullptr;
    ORLKickButton* rearPanelButton = nullptr;
    ORLKickButton* frontPanelButton = nullptr;
    ORLTextLabel* versionLabel = nullptr;
    ORLTextLabel* creditLabel = nullptr;
    ORLKickButton* webSiteButton = nullptr;
    WebOpener webOpener;
};
