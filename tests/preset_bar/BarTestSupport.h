#pragma once

#include "FakeEngineView.h"
#include "ORLBaseControl.h"
#include "ORLMasterGraphicalEngine.h"
#include "ORLPresetBarEditor.h"
#include "ORLSharedFonts.h"
#include "ORLViewContainer.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A text view that also records the start of an edit.
struct FakeTextView : FakeEngineView
{
    int editsStarted = 0;
    void beginEditing() override { ++editsStarted; }
};

// An option menu view that keeps its entries like the toolkit's does.
struct FakeMenuView : ORLEngineOptionMenu
{
    std::vector<std::string> entries;
    std::vector<int32_t> styles;
    int32_t current = 0;
    int popups = 0;

    void invalid() override {}
    void valueChanged() override {}
    void setHint(const char*) override {}
    void reserved() override {}
    void setValue(double) override {}
    void setViewSize(const ORLRect&) override {}
    bool isAttached() override { return true; }
    std::unique_ptr<ORLOffscreenContext> createOffscreen(int32_t, int32_t) override
    {
        return nullptr;
    }
    void addEntry(const char* text, int32_t index, int32_t style) override
    {
        if (index < 0 || index >= static_cast<int32_t>(entries.size()))
            index = static_cast<int32_t>(entries.size());
        entries.insert(entries.begin() + index, text);
        styles.insert(styles.begin() + index, style);
    }
    void setEntryState(int32_t, int32_t) override {}
    void setCurrent(int32_t index) override { current = index; }
    int32_t getCurrent() override { return current; }
    void removeAllEntries() override
    {
        entries.clear();
        styles.clear();
    }
    void popup() override { ++popups; }
};

// The bar's panel: owns its controls and their views and knows which ones are shown.
struct BarContainer : ORLViewContainer
{
    explicit BarContainer(const ORLRect& r) : rect(r) {}
    ~BarContainer() override
    {
        for (auto& control : controls)
            control->setEngineView(nullptr);
    }
    void setViewSize(const ORLRect& r) override { rect = r; }
    void setBackground(int32_t) override {}
    void setBackgroundColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a) override
    {
        background = {r, g, b, a};
    }
    void setAlphaValue(float) override {}
    void invalid() override {}
    bool addControl(ORLBaseControl* control) override
    {
        if (!control->getEngineView())
        {
            if (control->getKind() == kORLKindOptionMenu)
                views.push_back(std::make_unique<FakeMenuView>());
            else
                views.push_back(std::make_unique<FakeTextView>());
            control->setEngineView(views.back().get());
            controls.emplace_back(control);
        }
        shown.erase(std::remove(shown.begin(), shown.end(), control), shown.end());
        shown.push_back(control);
        return true;
    }
    bool removeControl(ORLBaseControl* control) override
    {
        shown.erase(std::remove(shown.begin(), shown.end(), control), shown.end());
        return true;
    }
    int32_t tagAt(ORLPoint) override { return -1; }

    bool isShown(const ORLBaseControl* control) const
    {
        return std::find(shown.begin(), shown.end(), control) != shown.end();
    }

    ORLRect rect;
    ORLColor background;
    std::vector<std::unique_ptr<ORLEngineView>> views;
    std::vector<std::unique_ptr<ORLBaseControl>> controls;
    std::vector<ORLBaseControl*> shown;
};

struct BarFont : ORLCounted<ORLFont>
{
    BarFont(const char* n, double s) : name(n), size(s) {}
    const char* getName() override { return name.c_str(); }
    double getSize() override { return size; }
    std::string name;
    double size;
};

struct BarFontFactory : ORLFontFactory
{
    ORLFont* createFont(const char* name, double size) override { return new BarFont(name, size); }
};

// The bar's owner: a window with panels, taking every value the bar sends.
struct FakeBarOwner : ORLMasterGraphicalEngine
{
    FakeBarOwner()
    {
        static BarFontFactory fonts;
        ORLInstallFontFactory(&fonts);
    }

    BarContainer* panel() { return containers.empty() ? nullptr : containers.back().get(); }

    void setFrameBackground(int32_t) override {}
    void addView(ORLViewContainer* c) override { shownViews.push_back(c); }
    void removeView(ORLViewContainer*) override {}
    ORLViewContainer* createViewContainer(const ORLRect& r) override
    {
        if (!windowOpen)
            return nullptr;
        containers.push_back(std::make_unique<BarContainer>(r));
        return containers.back().get();
    }
    ORLBitmap* loadBitmap(int32_t, int32_t) override { return nullptr; }
    void getMousePosition(ORLPoint& p) override { p = {}; }
    void getMouseButtons(int32_t& state) override { state = 0; }
    void setKnobMode(int32_t) override {}
    void parameterEdited(int32_t tag, double value) override { sent.emplace_back(tag, value); }
    void resizeEditor(int32_t, int32_t) override {}
    void hostMouseDown(int32_t, int32_t) override {}
    void idle() override {}
    void updateDisplay(int32_t, double) override {}
    void setPresetBarValue(intptr_t) override {}

    bool windowOpen = true;
    std::vector<std::pair<int32_t, double>> sent;
    std::vector<ORLViewContainer*> shownViews;
    std::vector<std::unique_ptr<BarContainer>> containers;
};

// The bar with its owner's three services answered by the test.
struct TestBar : ORLPresetBarEditor
{
    explicit TestBar(FakeBarOwner& owner) : ORLPresetBarEditor(&owner) {}

    void setHintsEnabled(bool on) override { hints.push_back(on); }
    bool chooseFileToOpen(const char* title, const char* folder, const char* filter,
                          const char* extension, char* outPath) override
    {
        chooser = {title, folder, "", filter, extension};
        return answer(outPath);
    }
    bool chooseFileToSave(const char* title, const char* folder, const char* fileName,
                          const char* filter, const char* extension, char* outPath) override
    {
        chooser = {title, folder, fileName, filter, extension};
        return answer(outPath);
    }
    bool answer(char* outPath)
    {
        if (chosenPath.empty())
            return false;
        std::snprintf(outPath, kPathCapacity, "%s", chosenPath.c_str());
        return true;
    }

    std::vector<bool> hints;
    std::vector<std::string> chooser;
    std::string chosenPath;
};
