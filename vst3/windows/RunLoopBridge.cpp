#include "RunLoopBridge.h"

#include <ToolkitPump.h>

// On Windows the host's own message loop already dispatches the toolkit's window messages and
// timers (they are messages of the host's thread), so the bridge only keeps the effect's tick
// going, on a toolkit timer of that same thread.
struct RunLoopBridge::Handlers
{
    explicit Handlers(std::function<void()> tick) : ticker(std::move(tick)) {}

    bool attach(Steinberg::IPlugFrame*)
    {
        ticker.start(kTickMilliseconds);
        return true;
    }

    void detach() { ticker.stop(); }

    orl::toolkitpump::Ticker ticker;
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
