// What a VST 3 host hears of the product's edits, and what the product hears back.
#include "HostObject.h"
#include "ScratchStore.h"

#include <ChordwellIds.h>
#include <ORLEditorDisplay.h>
#include <ORL_VST3_Effect.h>
#include <PresetBank.h>

#include <gtest/gtest.h>
#include <pluginterfaces/vst/ivsteditcontroller.h>
#include <public.sdk/source/common/memorystream.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace Steinberg;

namespace
{
// The host's side of the edits: every call as a line.
struct HostLog final : HostObject<Vst::IComponentHandler>
{
    std::vector<std::string> calls;
    tresult log(std::string call)
    {
        calls.push_back(std::move(call));
        return kResultOk;
    }
    tresult PLUGIN_API beginEdit(Vst::ParamID id) override
    {
        return log("begin " + std::to_string(id));
    }
    tresult PLUGIN_API performEdit(Vst::ParamID id, Vst::ParamValue v) override
    {
        return log("perform " + std::to_string(id) + " " + std::to_string(v));
    }
    tresult PLUGIN_API endEdit(Vst::ParamID id) override
    {
        return log("end " + std::to_string(id));
    }
    tresult PLUGIN_API restartComponent(int32) override { return log("restart"); }
};

struct Markers final : ORLEditorDisplay
{
    std::vector<int> shown;
    void updateDisplay(int32_t index, double) override { shown.push_back(index); }
};

struct Shell
{
    Shell()
    {
        effect->initialize(nullptr);
        effect->setComponentHandler(&host);
        master().setEditor(&markers);
        host.calls.clear();
    }
    ~Shell()
    {
        master().setEditor(nullptr);
        effect->terminate();
        effect->release();
    }
    ORLShellController& master() { return effect->masterController(); }
    PresetBank& bank() { return *dynamic_cast<PresetBank*>(master().getPresetModel()); }

    ScratchStore store;
    ORL_VST3_Effect* effect = new ORL_VST3_Effect;
    HostLog host;
    Markers markers;
};

std::string text(const Vst::String128 string)
{
    std::string out;
    for (int i = 0; i < 128 && string[i] != 0; ++i)
        out += static_cast<char>(string[i]);
    return out;
}

long count(const std::vector<std::string>& calls, const std::string& prefix)
{
    return std::ranges::count_if(calls, [&](const auto& c) { return c.starts_with(prefix); });
}
} // namespace

TEST(Vst3HostSide, a_knob_press_is_one_gesture_whose_echoes_stay_with_us_and_host_values_stay_out)
{
    Shell shell;
    // A host's own change is not sent back to it, nor does it edit the preset.
    EXPECT_EQ(shell.effect->setParamNormalized(2, 0.9), kResultTrue);
    EXPECT_TRUE(shell.host.calls.empty());
    EXPECT_FALSE(shell.bank().isEdited(0));
    EXPECT_FLOAT_EQ(shell.bank().workingPreset(0).values[2], 0.25f);

    shell.effect->enterMainCall();
    shell.master().editorGestureBegan(2);
    shell.master().editorControlChanged(2, 0.7);
    shell.master().editorControlChanged(2, 0.75);
    shell.master().editorGestureEnded(2);
    shell.effect->leaveMainCall();
    EXPECT_EQ(shell.host.calls, (std::vector<std::string>{"begin 2", "perform 2 0.700000",
                                                          "perform 2 0.750000", "end 2"}))
        << "the echoes' re-sends do not reach the host again";
    EXPECT_TRUE(shell.bank().isEdited(0));
    EXPECT_FLOAT_EQ(shell.bank().workingPreset(0).values[2], 0.75f);
    EXPECT_DOUBLE_EQ(shell.effect->getParamNormalized(2), 0.75);
}

TEST(Vst3HostSide, recalls_from_the_bar_and_from_the_host_are_echoed_between_the_markers)
{
    for (const bool fromHost : {false, true})
    {
        Shell shell;
        if (fromHost)
            shell.effect->setParamNormalized(100, 3.0 / 9.0);
        else
        {
            shell.effect->enterMainCall();
            shell.master().recallPreset(3);
            shell.effect->leaveMainCall();
        }
        EXPECT_EQ(shell.bank().currentIndex(), 3);
        EXPECT_EQ(count(shell.host.calls, "perform "), 8) << "each value once to the host";
        EXPECT_EQ(count(shell.host.calls, "begin "), 8);
        EXPECT_EQ(count(shell.host.calls, "end "), 8);
        // The transfer as sent, then its echoes framed once more.
        EXPECT_EQ(shell.markers.shown, (std::vector<int>{47, 48, 47, 48}));
        EXPECT_FALSE(shell.bank().isEdited(3)) << "a recall edits nothing";
        EXPECT_FLOAT_EQ(static_cast<float>(shell.effect->getParamNormalized(2)), 0.6f);
        // The transfer ended: the next knob turn edits the preset again.
        shell.effect->enterMainCall();
        shell.master().editorControlChanged(3, 0.1);
        shell.effect->leaveMainCall();
        EXPECT_TRUE(shell.bank().isEdited(3)) << (fromHost ? "host" : "bar");
    }
}

TEST(Vst3HostSide, a_restored_session_is_told_to_the_host_after_its_call_never_inside_it)
{
    Shell shell;
    MemoryStream saved;
    ASSERT_EQ(shell.effect->getState(&saved), kResultOk);
    saved.seek(0, IBStream::kIBSeekSet, nullptr);
    ASSERT_EQ(shell.effect->setState(&saved), kResultOk);
    EXPECT_EQ(count(shell.host.calls, "restart"), 0) << "a host may hold the lock it takes";
    shell.effect->idle();
    EXPECT_EQ(count(shell.host.calls, "restart"), 1) << "the run loop's next tick tells it";
}

TEST(Vst3HostSide, program_names_in_any_encoding_reach_the_host_as_their_text)
{
    Shell shell;
    shell.bank().renameCurrentPreset("\xC0 la claire \x80"); // Windows-1252
    shell.bank().selectPreset(1);
    shell.bank().renameCurrentPreset("\xC3\xA9t\xC3\xA9 \xF0\x9F\x8E\xBB"); // UTF-8
    Vst::String128 name{};
    ASSERT_EQ(shell.effect->getProgramName(chordwell::vst3ids::kProgramList, 0, name), kResultTrue);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(name)), u"\u00C0 la claire \u20AC");
    ASSERT_EQ(shell.effect->getProgramName(chordwell::vst3ids::kProgramList, 1, name), kResultTrue);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(name)), u"\u00E9t\u00E9 \U0001F3BB");
}

TEST(Vst3HostSide, every_program_recalls_its_preset_and_every_recalled_preset_is_its_program)
{
    using namespace chordwell::vst3ids;
    Shell shell;
    const int order[] = {9, 0, 5, 1, 8, 2, 7, 3, 6, 4};
    // The host's program value to the preset: as a float a hair below the step, as hosts
    // that keep floats may hand it back.
    for (const int q : order)
    {
        SCOPED_TRACE(q);
        const float value = std::nextafter(static_cast<float>(q / 9.0), 0.0f);
        ASSERT_EQ(shell.effect->setParamNormalized(kProgramParameter, value), kResultTrue);
        EXPECT_EQ(shell.bank().currentIndex(), q);
        for (int slot = 0; slot < 8; ++slot)
            EXPECT_FLOAT_EQ(static_cast<float>(shell.effect->getParamNormalized(slot)),
                            shell.bank().storedPreset(q).values[slot])
                << slot;
        Vst::String128 name{};
        ASSERT_EQ(shell.effect->getParamStringByValue(kProgramParameter, value, name), kResultTrue);
        EXPECT_EQ(text(name), shell.bank().presetName(q));
        ASSERT_EQ(shell.effect->getProgramName(kProgramList, q, name), kResultTrue);
        EXPECT_EQ(text(name), shell.bank().presetName(q));
    }
    // A preset recalled in the editor, to the program value the host reads.
    for (const int q : order)
    {
        SCOPED_TRACE(q);
        shell.host.calls.clear();
        shell.effect->enterMainCall();
        shell.master().recallPreset(q);
        shell.effect->leaveMainCall();
        EXPECT_DOUBLE_EQ(shell.effect->getParamNormalized(kProgramParameter), q / 9.0);
        EXPECT_EQ(count(shell.host.calls, "restart"), 1) << "the host is told to read it";
        Vst::ParamValue read = -1.0;
        Vst::String128 name{};
        ASSERT_EQ(shell.effect->getProgramName(kProgramList, q, name), kResultTrue);
        ASSERT_EQ(shell.effect->getParamValueByString(kProgramParameter, name, read), kResultTrue);
        int first = 0; // names repeat: a name reads as its first program
        while (text(name) != shell.bank().presetName(first))
            ++first;
        EXPECT_DOUBLE_EQ(read, first / 9.0);
    }
}
