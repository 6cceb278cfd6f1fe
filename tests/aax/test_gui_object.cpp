#include "InProcessPlugin.h"

#include <AAX_IViewContainer.h>
#include <ORLCWHandleKnob.h>
#include <ORL_AAX_EditorWrapper.h>
#include <ORL_QcWl_0x011005_ORL_AAXWrapper_GUI.h>
#include <ParameterTable.h>
#include <PresetBank.h>
#include <ScratchStore.h>

#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <utility>

namespace
{
// A host view that is a toolkit component, recording what the plug-in asks of it.
struct ComponentView final : AAX_IViewContainer
{
    juce::Component holder;
    AAX_Point lastSize;
    std::vector<std::pair<std::string, uint32_t>> clicks;

    int32_t GetType() override { return AAX_eViewContainer_Type_NSView; }
    void* GetPtr() override { return &holder; }
    AAX_Result SetViewSize(const AAX_Point& size) override
    {
        lastSize = size;
        return AAX_SUCCESS;
    }
    AAX_Result HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) override
    {
        clicks.emplace_back(id, modifiers);
        return AAX_SUCCESS;
    }
};

struct OpenEditor
{
    OpenEditor()
    {
        instance->openGUI();
        instance->gui()->SetViewContainer(&view);
    }
    ~OpenEditor() { instance->gui()->SetViewContainer(nullptr); }

    ORL_AAX_EditorWrapper& editor()
    {
        return *dynamic_cast<ORL_QcWl_0x011005_ORL_AAXWrapper_GUI&>(*instance->gui())
                    .editorWrapper();
    }
    PresetBank& bank()
    {
        return *dynamic_cast<PresetBank*>(wrapperOf(*instance).masterController().getPresetModel());
    }

    ScratchStore store;
    InProcessPlugin plugin;
    std::unique_ptr<EffectInstance> instance = plugin.instance();
    ComponentView view;
};

TEST(GuiObject, opens_the_401_by_301_window_in_the_host_view_and_reports_its_size)
{
    OpenEditor open;
    auto idle = open.plugin.instance();
    idle->openGUI();
    AAX_Point size;
    ASSERT_EQ(idle->gui()->GetViewSize(&size), AAX_SUCCESS);
    EXPECT_EQ(size.horz, 401.0f) << "the window's size is known before a view opens";
    EXPECT_EQ(size.vert, 301.0f);
    EXPECT_EQ(open.view.lastSize.horz, 401.0f) << "the host's view was sized";
    EXPECT_EQ(open.view.lastSize.vert, 301.0f);
    EXPECT_EQ(open.view.holder.getNumChildComponents(), 1);
}

TEST(GuiObject, automation_moves_the_knob_and_leaves_the_preset_unedited_an_edit_marks_it)
{
    OpenEditor open;
    open.instance->automate(getParameterIdentifier(2), 0.8);
    open.instance->deliverUpdates();
    EXPECT_FLOAT_EQ(open.editor().getEditor().getKnob(2)->getValue(), 0.8);
    EXPECT_FALSE(open.bank().isEdited(0));

    open.editor().valueChanged(2, 0.3f); // the knob turned in the window
    open.instance->deliverUpdates();
    EXPECT_TRUE(open.bank().isEdited(0));

    open.instance->gui()->SetViewContainer(nullptr);
    EXPECT_FALSE(open.editor().isOpen());
    open.instance->automate(getParameterIdentifier(3), 0.1);
    open.instance->deliverUpdates(); // reaches a closed editor: nothing to show
    wrapperOf(*open.instance).masterController().setParameter(9, 0.5);
    open.instance->gui()->SetViewContainer(&open.view);
    EXPECT_FLOAT_EQ(open.editor().getEditor().getKnob(3)->getValue(), 0.1) << "shown on reopening";
}

TEST(GuiObject, latency_is_probed_once_per_process_and_reported_to_every_instance)
{
    OpenEditor first;
    OpenEditor second;
    EXPECT_EQ(ORL_QcWl_0x011005_ORL_AAXWrapper_GUI::latencyProbeCount(), 1);
    EXPECT_EQ(first.instance->latencyReportCount(), 1);
    EXPECT_EQ(second.instance->latencyReportCount(), 1);
    EXPECT_EQ(second.instance->reportedLatency(), 0);
}

TEST(GuiObject, parameter_clicks_reach_the_host_with_its_modifier_bits)
{
    OpenEditor open;
    bool chord = false;
    open.editor().setChordQuery([&chord] { return chord; });
    open.editor().hostMouseDown(2, kORLRightButton | kORLControl | kORLShift);
    open.editor().hostMouseDown(3, kORLLeftButton | kORLAlt | 0x80);
    chord = true;
    open.editor().hostMouseDown(0, kORLLeftButton);
    open.editor().hostMouseDown(9, kORLLeftButton); // internal slot: not the host's
    // The last with Ctrl, Alt and Windows held.
    EXPECT_EQ(open.view.clicks, (std::vector<std::pair<std::string, uint32_t>>{
                                    {"2: Decay", 24}, {"3: Damp", 6}, {"0: Output", 14}}));
}
} // namespace
