// The editor in JUCE's VST 3 hosting on a real X display (Xvfb in the test command, with Wine
// for the Windows build): a knob dragged with the mouse reaches the host as one gesture, and
// the window opens and closes again and again while audio runs.
#include "JuceVst3Host.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <regex>
#include <string>
#include <thread>
#include <utility>

using namespace vst3host;

TEST(Vst3Editor, a_knob_drag_reaches_the_host_as_one_gesture)
{
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "no X display";
    auto plugin = load();
    ASSERT_NE(plugin, nullptr);
    auto editor = openEditor(*plugin);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(std::pair(editor->getWidth(), editor->getHeight()), std::pair(401, 301));
    pump(1500);
    const std::string events = dragDecay(*plugin, *editor);
    EXPECT_NE(plugin->getParameters()[2]->getValue(), 0.25f) << "the drag moved the host's Decay";
    EXPECT_TRUE(std::regex_match(events, std::regex("v*bv+ev*"))) << "one gesture: " << events;
    editor.reset();
    pump(100);
}

TEST(Vst3Editor, opens_and_closes_fifty_times_while_audio_runs)
{
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "no X display";
    auto plugin = load();
    ASSERT_NE(plugin, nullptr);
    std::atomic<bool> running{true};
    std::atomic<int> blocks{0};
    std::atomic<bool> finite{true};
    std::thread audio(
        [&]
        {
            const Audio signal = testSignal(2, 256, 48000.0);
            for (; running; ++blocks)
            {
                const Audio out = render(*plugin, signal, 0, 256, 2);
                for (float v : out[0])
                    finite = finite && std::isfinite(v);
            }
        });
    for (int round = 0; round < 50; ++round)
    {
        auto editor = openEditor(*plugin);
        ASSERT_NE(editor, nullptr) << "round " << round;
        pump(40);
        editor.reset();
        pump(10);
    }
    running = false;
    audio.join();
    EXPECT_GT(blocks.load(), 50);
    EXPECT_TRUE(finite.load());
}
