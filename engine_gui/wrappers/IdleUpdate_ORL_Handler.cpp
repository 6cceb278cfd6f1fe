#include "IdleUpdate_ORL_Handler.h"

#include "SharedUpdateHandler.h"

#include <base/source/updatehandler.h>

#include <algorithm>

namespace Orlund
{
namespace
{
int busyWindows = 0;
IdleUpdate_ORL_Handler* running = nullptr;
} // namespace

// Stops the tick before the toolkit's timers go: made after the tick's first start, it is
// deleted before them. A tick left running past them would be restarted into timers that no
// longer exist.
class IdleUpdate_ORL_Handler::StopAtShutdown : public juce::DeletedAtShutdown
{
  public:
    explicit StopAtShutdown(IdleUpdate_ORL_Handler& h) : handler(h) {}
    ~StopAtShutdown() override
    {
        handler.stopAtShutdown = nullptr;
        handler.stopTimer();
    }

  private:
    IdleUpdate_ORL_Handler& handler;
};

IdleUpdate_ORL_Handler::IdleUpdate_ORL_Handler()
{
    orlSharedUpdateHandler();
    running = this;
}

IdleUpdate_ORL_Handler::~IdleUpdate_ORL_Handler()
{
    running = nullptr;
    halt();
}

void IdleUpdate_ORL_Handler::resume()
{
    // Without a message loop there is no timer; the handler then runs without it.
    if (isTimerRunning() || juce::MessageManager::getInstanceWithoutCreating() == nullptr)
        return;
    startTimer(pace());
    stopAtShutdown = new StopAtShutdown(*this);
}

void IdleUpdate_ORL_Handler::halt()
{
    // Deleting it stops the tick.
    delete stopAtShutdown;
    stopTimer();
}

int IdleUpdate_ORL_Handler::pace()
{
    return busyWindows > 0 ? kMilliseconds : kQuietMilliseconds;
}

void IdleUpdate_ORL_Handler::windowBusy(bool busy)
{
    busyWindows = busy ? busyWindows + 1 : std::max(0, busyWindows - 1);
    // Restarting puts the next tick a whole period away: only when the pace changes.
    if (running != nullptr && running->isTimerRunning() && running->getTimerInterval() != pace())
        running->startTimer(pace());
}

IdleUpdate_ORL_Handler& IdleUpdate_ORL_Handler::start()
{
    // Ends with the library that holds it, which stops its timer.
    static IdleUpdate_ORL_Handler handler;
    handler.resume();
    return handler;
}

void IdleUpdate_ORL_Handler::tick()
{
    orlSharedUpdateHandler()->triggerDeferedUpdates();
}
} // namespace Orlund
