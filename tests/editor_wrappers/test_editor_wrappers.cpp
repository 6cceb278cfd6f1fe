#include "HintsFlag.h"
#include "IdleUpdate_ORL_Handler.h"
#include "ORLCWHandleKnob.h"
#include "ORLFrame.h"
#include "ORLVSTGUIEditorWrapperV4_PresetBar.h"
#include "PresetBank.h"
#include "PresetBarBulbButton.h"
#include "PresetBarNameControl.h"
#include "ScratchStore.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using Orlund::IdleUpdate_ORL_Handler;
using Orlund::ORLIdlePace;
using Orlund::ORLVSTGUIEditorWrapperV4_PresetBar;

namespace
{
// The wrapper with the parameter traffic that the host-facing part would take.
struct RecordingWrapper : ORLVSTGUIEditorWrapperV4_PresetBar
{
    void parameterEdited(int32_t tag, double value) override { sent.emplace_back(tag, value); }
    std::vector<std::pair<int32_t, double>> sent;
};

struct Window
{
    Window()
    {
        wrapper->setPresetBarValue(reinterpret_cast<intptr_t>(static_cast<ORLPresetModel*>(&bank)));
        wrapper->openWindow(nullptr);
    }
    ~Window() { wrapper->release(); }

    ScratchStore store;
    PresetBank bank{nullptr, false};
    RecordingWrapper* wrapper = new RecordingWrapper;
};

TEST(EditorWrappers, the_window_is_401_by_301_whatever_size_the_host_proposes)
{
    Window w;
    ASSERT_TRUE(w.wrapper->isOpen());
    for (auto proposed : {Steinberg::ViewRect(0, 0, 800, 600), Steinberg::ViewRect(10, 10, 20, 20)})
    {
        w.wrapper->checkSizeConstraint(&proposed);
        EXPECT_EQ(proposed.getWidth(), 401);
        EXPECT_EQ(proposed.getHeight(), 301);
        w.wrapper->onSize(&proposed);
    }
    Steinberg::ViewRect size;
    w.wrapper->getSize(&size);
    EXPECT_EQ(size.getWidth(), 401);
    EXPECT_EQ(size.getHeight(), 301);

    const juce::Image picture = w.wrapper->snapshot();
    EXPECT_EQ(picture.getWidth(), 401);
    EXPECT_EQ(picture.getHeight(), 301);
    EXPECT_EQ(picture.getPixelAt(85, 295), juce::Colour(30, 30, 30)) << "the bar's strip";
}

TEST(EditorWrappers, control_changes_reach_the_bar_then_the_editor_and_closing_forgets_them)
{
    Window w;
    ASSERT_TRUE(w.wrapper->isBuilt());
    w.wrapper->valueChanged(20, 1.0f);
    EXPECT_EQ(w.bank.currentIndex(), 1);
    EXPECT_EQ(w.wrapper->sent.size(), 10u) << "the preset, framed";

    w.wrapper->valueChanged(2, 0.75f);
    EXPECT_EQ(w.wrapper->sent.back(), (std::pair<int32_t, double>{2, 0.75}));

    w.wrapper->updateDisplay(2, 0.25);
    EXPECT_FLOAT_EQ(w.wrapper->getEditor().getKnob(2)->getValue(), 0.25);

    Steinberg::Vst::ParamID found = 99;
    EXPECT_EQ(w.wrapper->findParameter(90, 117, found), Steinberg::kResultTrue);
    EXPECT_EQ(found, 2u) << "the Decay knob";
    EXPECT_EQ(w.wrapper->findParameter(200, 292, found), Steinberg::kResultFalse);

    w.wrapper->closeWindow();
    EXPECT_FALSE(w.wrapper->isBuilt());
    EXPECT_EQ(w.wrapper->getNameDisplay(), nullptr);
    EXPECT_EQ(w.wrapper->createViewContainer({0, 0, 1, 1}), nullptr);
    int32_t buttons = -1;
    w.wrapper->getMouseButtons(buttons);
    EXPECT_EQ(buttons, 0);
    w.wrapper->idle();
    w.wrapper->updateDisplay(2, 0.5);
}

TEST(EditorWrappers, a_hints_change_in_another_instance_reaches_the_bulb_at_the_next_tick)
{
    Window w;
    for (const int flag : {1, 0, 1})
    {
        setHintsFlag(flag);
        w.wrapper->idle();
        EXPECT_EQ(std::pair(w.wrapper->getBulb()->isLit(), int(w.wrapper->getHintsState())),
                  std::pair(flag == 1, flag));
    }
}

TEST(EditorWrappers, the_frame_keeps_a_mouse_button_only_while_it_saw_it_pressed)
{
    Window w;
    Orlund::ORLFrame& frame = *w.wrapper->getFrame();
    frame.notePointer(kORLLeftButton);
    EXPECT_TRUE(frame.isPointerInside());
    EXPECT_EQ(frame.getLastButtons(), kORLLeftButton);
    frame.notePointerLeft();
    EXPECT_FALSE(frame.isPointerInside());
    EXPECT_EQ(frame.getCurrentButtons() & 0x30E, 0);
}

#ifndef _WIN32
TEST(EditorWrappers,
     a_window_nobody_points_at_ticks_slowly_and_closing_a_busy_one_quiets_the_process)
{
    const IdleUpdate_ORL_Handler& deferred = IdleUpdate_ORL_Handler::start();
    {
        Window w;
        const ORLIdlePace& pace = w.wrapper->getIdlePace();
        EXPECT_EQ(pace.period(), ORLIdlePace::kFastMilliseconds) << "just opened";
        w.wrapper->idle();
        EXPECT_EQ(pace.period(), ORLIdlePace::kSlowMilliseconds);
        EXPECT_EQ(deferred.period(), IdleUpdate_ORL_Handler::kQuietMilliseconds);
        w.wrapper->getFrame()->notePointer(0);
        w.wrapper->idle();
        EXPECT_EQ(pace.period(), ORLIdlePace::kFastMilliseconds) << "a hint is due";
        EXPECT_EQ(deferred.period(), IdleUpdate_ORL_Handler::kMilliseconds);
    }
    EXPECT_EQ(deferred.period(), IdleUpdate_ORL_Handler::kQuietMilliseconds)
        << "a window closed while busy leaves nothing fast behind";
}
#endif
} // namespace
