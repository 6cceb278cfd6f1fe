#pragma once

#include <juce_events/juce_events.h>

namespace Orlund
{
// Delivers the SDK update handler's deferred change notifications every 33 ms. One per
// process, made by the first V2 editor wrapper and kept until the library unloads.
// Main (UI) thread only.
class IdleUpdate_ORL_Handler : private juce::Timer
{
  public:
    static constexpr const char* kClassName = "IdleUpdate_ORL_Handler";
    static constexpr int kMilliseconds = 33;

    // Makes sure the shared update handler exists and the process's tick runs.
    static IdleUpdate_ORL_Handler& start();

    bool isTicking() const { return isTimerRunning(); }
    // One tick: the deferred updates are delivered.
    void tick();

  private:
    IdleUpdate_ORL_Handler();
    ~IdleUpdate_ORL_Handler() override;
    void timerCallback() override { tick(); }
};
} // namespace Orlund
