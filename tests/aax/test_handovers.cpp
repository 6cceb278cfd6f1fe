// Main, timer and audio threads working one instance at once, as a host runs it. Run under
// ThreadSanitizer by the test command.
#include "InProcessPlugin.h"

#include <atomic>
#include <thread>

namespace
{
TEST(Handovers, editor_automation_timer_and_audio_threads_share_an_instance)
{
    InProcessPlugin plugin;
    auto instance = plugin.instance();
    auto& controller = wrapperOf(*instance).masterController();
    instance->startTimer(std::chrono::milliseconds(1));

    std::atomic<bool> running{true};
    std::thread audio(
        [&]
        {
            Block block(64, 0.1f);
            while (running.load())
                block.run(*instance);
        });
    for (int i = 0; i < 400; ++i)
    {
        controller.editorControlChanged(8 + i % 9, (i % 100) / 100.0);
        controller.editorControlChanged(i % 7, (i % 50) / 50.0);
        instance->automate("1: Mix", (i % 10) / 10.0);
        instance->deliverUpdates();
        if (i % 50 == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    controller.editorControlChanged(16, 0.625);
    instance->deliverUpdates();
    running = false;
    audio.join();
    instance->stopTimer();

    // Whatever the timer took last is in the cache or was applied; the last value is not lost.
    instance->wakeDirectData();
    const float entry = cacheOf(*instance)[16];
    EXPECT_TRUE(entry == 0.625f || entry == -1.0f) << entry;
    double pending[17];
    EXPECT_FALSE(wrapperOf(*instance).takePending(pending));
}
} // namespace
