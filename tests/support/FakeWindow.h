#pragma once

#include "FakeEngineView.h"
#include "ORLBaseControl.h"
#include "ORLMasterGraphicalEngine.h"
#include "ORLSharedFonts.h"
#include "ORLViewContainer.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A window as the editor and the preset bar see it: panels that own their controls and give
// each a recording view, made by a graphics engine that records what the editors send.

// A text view that also records the start of an edit.
struct FakeTextView : FakeEngineView
{
    int editsStarted = 0;
    void beginEditing() override { ++editsStarted; }
};

// An option menu view that keeps its entries like the toolkit's does.
struct FakeMenuView : RecordingView<ORLEngineOptionMenu>
{
    std::vector<std::string> entries;
    int32_t current = 0;
    int popups = 0;

    void addEntry(const char* text, int32_t index, int32_t) override
    {
        if (index < 0 || index >= static_cast<int32_t>(entries.size()))
            index = static_cast<int32_t>(entries.size());
        entries.insert(entries.begin() + index, text);
    }
    void setEntryState(int32_t, int32_t) override {}
    void setCurrent(int32_t index) override { current = index; }
    int32_t getCurrent() override { return current; }
    void removeAllEntries() override { entries.clear(); }
    void popup() override { ++popups; }
};

struct FakeFont : ORLCounted<ORLFont>
{
    FakeFont(const char* n, double s) : name(n), size(s) {}
    const char* getName() override { return name.c_str(); }
    double getSize() override { return size; }
    std::string name;
    double size;
};

struct FakeFontFactory : ORLFontFactory
{
    ORLFont* createFont(const char* name, double size) override { return new FakeFont(name, size); }
};

template <typename T> void moveToTop(std::vector<T*>& items, T* item)
{
    items.erase(std::remove(items.begin(), items.end(), item), items.end());
    items.push_back(item);
}

struct FakeContainer : ORLViewContainer
{
    ~FakeContainer() override
    {
        for (auto& control : controls)
            control->setEngineView(nullptr);
    }
    void setViewSize(const ORLRect&) override {}
    void setBackground(int32_t) override {}
    void setBackgroundColor(uint8_t, uint8_t, uint8_t, uint8_t) override {}
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
        moveToTop(shown, control);
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
    FakeEngineView& viewOf(const ORLBaseControl* control)
    {
        return *static_cast<FakeEngineView*>(control->getEngineView());
    }

    std::vector<std::unique_ptr<ORLEngineView>> views;
    std::vector<std::unique_ptr<ORLBaseControl>> controls;
    std::vector<ORLBaseControl*> shown;
};

// The graphics engine, with a window that can be opened and closed.
struct FakeWindow : ORLMasterGraphicalEngine
{
    FakeWindow()
    {
        static FakeFontFactory fonts;
        ORLInstallFontFactory(&fonts);
    }

    // The window's end: the editor forgets its controls, then the views go.
    template <typename Editor> void closeWindow(Editor& editor)
    {
        editor.close();
        shown.clear();
        containers.clear();
    }

    FakeContainer* container(size_t index) { return containers.at(index).get(); }
    ORLViewContainer* top() { return shown.empty() ? nullptr : shown.back(); }

    void setFrameBackground(int32_t) override {}
    void addView(ORLViewContainer* c) override
    {
        ++calls;
        moveToTop(shown, c);
    }
    void removeView(ORLViewContainer* c) override
    {
        ++calls;
        shown.erase(std::remove(shown.begin(), shown.end(), c), shown.end());
    }
    ORLViewContainer* createViewContainer(const ORLRect&) override
    {
        if (!windowOpen)
            return nullptr;
        containers.push_back(std::make_unique<FakeContainer>());
        return containers.back().get();
    }
    // Every image the size of a panel: where the images land is checked on rendered panels.
    ORLBitmap* loadBitmap(int32_t, int32_t flags) override
    {
        return flags != 0 ? nullptr : new FakeBitmap(401, 282, &liveBitmaps);
    }
    void getMousePosition(ORLPoint& p) override { p = {}; }
    void getMouseButtons(int32_t& state) override { state = 0; }
    void setKnobMode(int32_t) override {}
    void parameterEdited(int32_t tag, double value) override
    {
        ++calls;
        edits.emplace_back(tag, value);
    }
    void resizeEditor(int32_t, int32_t) override {}
    void hostMouseDown(int32_t, int32_t) override {}
    void idle() override {}
    void updateDisplay(int32_t, double) override {}
    void setPresetBarValue(intptr_t) override {}

    bool windowOpen = true;
    int liveBitmaps = 0;
    int calls = 0; // every call that shows, hides or edits
    std::vector<std::pair<int32_t, double>> edits;
    std::vector<ORLViewContainer*> shown;
    std::vector<std::unique_ptr<FakeContainer>> containers;
};
