#pragma once

#include <juce_events/juce_events.h>

namespace Orlund
{
// Delivers the SDK update handler's deferred change notifications: every 33 ms while a
// window is busy (the pointer at work in it), every 500 ms while all are quiet, so that an
// open window nobody touches does not wake the process 30 times a second. One per process,
// made by the first V2 editor wrapper and kept until the library unloads. The toolkit may be
// shut down and started again meanwhile (a plug-in module loaded twice, a host's commands in
// turn): the tick stops with the toolkit and starts again with the next window.
// Main (UI) thread only.
class IdleUpdate_ORL_Handler : private juce::Timer
{
  public:
    static constexpr const char* kClassName = "IdleUpdate_ORL_Handler";
    static constexpr int kMilliseconds = 33;
    static constexpr int kQuietMilliseconds = 500;

    // Makes sure the shared update handler exists and the process's tick runs (when the
    // toolkit's message loop exists).
    static IdleUpdate_ORL_Handler& start();

    // A window became busy (true) or quiet again (false); each true is followed by one false.
    // Counted even before the handler exists.
    static void windowBusy(bool busy);

    bool isTicking() const { return isTimerRunning(); }
    int period() const { return getTimerInterval(); }
    // One tick: the deferred updates are delivered.
    void tick();

  private:
    class StopAtShutdown;

    IdleUpdate_ORL_Handler();
    ~IdleUpdate_ORL_Handler() override;
    void timerCallback() override { tick(); }
    void resume();
    void halt();
    static int pace();

    StopAtShutdown* stopAtShutdown = nullptr;
};
} // namespace Orlund
