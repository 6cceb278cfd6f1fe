#include "RunLoopBridge.h"

#include <juce_events/juce_events.h>

// On Windows the host's own message loop already dispatches the toolkit's window messages and
// timers (they are messages of the host's thread), so the bridge only keeps the effect's tick
// going, on a toolkit timer of that same thread.
struct RunLoopBridge::Handlers final : private juce::Timer
{
    explicit Handlers(std::function<void()> tick) : tick(std::move(tick)) {}
    ~Handlers() override { stopTimer(); }

    bool attach(Steinberg::IPlugFrame*)
    {
        if (!isTimerRunning())
            startTimer(kTickMilliseconds);
        return true;
    }

    void detach() { stopTimer(); }

    void timerCallback() override
    {
        if (tick)
            tick();
    }

    std::function<void()> tick;
};

RunLoopBridge::RunLoopBridge(std::function<void()> onTick)
    : handlers(new Handlers(std::move(onTick)))
{
}

RunLoopBridge::~RunLoopBridge()
{
    handlers->detach();
    delete handlers;
}

bool RunLoopBridge::attach(Steinberg::IPlugFrame* frame)
{
    return handlers->attach(frame);
}

void RunLoopBridge::detach()
{
    handlers->detach();
}
