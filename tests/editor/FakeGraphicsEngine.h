#pragma once

#include "FakeEngineView.h"
#include "ORLBaseControl.h"
#include "ORLBaseEditor.h"
#include "ORLMasterGraphicalEngine.h"
#include "ORLSharedFonts.h"
#include "ORLViewContainer.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A panel that owns its controls and gives each a recording view.
struct FakeContainer : ORLViewContainer
{
    explicit FakeContainer(const ORLRect& r) : rect(r) {}
    ~FakeContainer() override
    {
        for (auto& control : controls)
            control->setEngineView(nullptr);
    }
    void setViewSize(const ORLRect& r) override { rect = r; }
    void setBackground(int32_t resource) override { background = resource; }
    void setBackgroundColor(uint8_t, uint8_t, uint8_t, uint8_t) override {}
    void setAlphaValue(float) override {}
    void invalid() override {}
    bool addControl(ORLBaseControl* control) override
    {
        views.push_back(std::make_unique<FakeEngineView>());
        control->setEngineView(views.back().get());
        controls.emplace_back(control);
        return true;
    }
    bool removeControl(ORLBaseControl*) override { return true; }
    int32_t tagAt(ORLPoint) override { return -1; }

    FakeEngineView& viewOf(const ORLBaseControl* control)
    {
        return *static_cast<FakeEngineView*>(control->getEngineView());
    }

    ORLRect rect;
    int32_t background = 0;
    std::vector<std::unique_ptr<FakeEngineView>> views;
    std::vector<std::unique_ptr<ORLBaseControl>> controls;
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

// The graphics engine as the editor sees it, with a window that can be opened and closed.
struct FakeGraphicsEngine : ORLMasterGraphicalEngine
{
    FakeGraphicsEngine()
    {
        static FakeFontFactory fonts;
        ORLInstallFontFactory(&fonts);
    }

    // The window's end: the editor forgets its controls, then the views go.
    void closeWindow(ORLBaseEditor& editor)
    {
        editor.close();
        shown.clear();
        containers.clear();
    }

    FakeContainer* container(size_t index) { return containers.at(index).get(); }
    ORLViewContainer* top() { return shown.empty() ? nullptr : shown.back(); }

    void setFrameBackground(int32_t resource) override { frameBackground = resource; }
    void addView(ORLViewContainer* c) override
    {
        calls.push_back("addView");
        shown.erase(std::remove(shown.begin(), shown.end(), c), shown.end());
        shown.push_back(c);
    }
    void removeView(ORLViewContainer* c) override
    {
        calls.push_back("removeView");
        shown.erase(std::remove(shown.begin(), shown.end(), c), shown.end());
    }
    ORLViewContainer* createViewContainer(const ORLRect& r) override
    {
        containers.push_back(std::make_unique<FakeContainer>(r));
        return containers.back().get();
    }
    ORLBitmap* loadBitmap(int32_t resource, int32_t flags) override
    {
        if (flags != 0)
            return nullptr;
        static const std::map<int32_t, std::pair<int, int>> sizes = {
            {12100, {401, 282}}, {12200, {401, 282}}, {12130, {8, 8}},   {12129, {11, 11}},
            {12132, {78, 70}},   {12131, {13, 25}},   {19003, {225, 60}}};
        const auto found = sizes.find(resource);
        const auto size = found != sizes.end() ? found->second : std::pair<int, int>{400, 350};
        return new FakeBitmap(size.first, size.second, &liveBitmaps);
    }
    void getMousePosition(ORLPoint& p) override { p = {}; }
    void getMouseButtons(int32_t& state) override { state = 0; }
    void setKnobMode(int32_t) override {}
    void parameterEdited(int32_t tag, double value) override
    {
        calls.push_back("parameterEdited " + std::to_string(tag));
        edits.emplace_back(tag, value);
    }
    void resizeEditor(int32_t, int32_t) override {}
    void hostMouseDown(int32_t, int32_t) override {}
    void idle() override {}
    void updateDisplay(int32_t, double) override {}
    void setPresetBarValue(intptr_t) override {}

    int liveBitmaps = 0;
    int32_t frameBackground = 0;
    std::vector<std::string> calls;
    std::vector<std::pair<int32_t, double>> edits;
    std::vector<ORLViewContainer*> shown;
    std::vector<std::unique_ptr<FakeContainer>> containers;
};
