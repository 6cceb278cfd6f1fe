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

IdleUpdate_ORL_Handler::IdleUpdate_ORL_Handler()
{
    orlSharedUpdateHandler();
    // Without a message loop there is no timer; the handler then runs without it.
    if (juce::MessageManager::getInstanceWithoutCreating() != nullptr)
        startTimer(pace());
    running = this;
}

IdleUpdate_ORL_Handler::~IdleUpdate_ORL_Handler()
{
    running = nullptr;
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
    return handler;
}

void IdleUpdate_ORL_Handler::tick()
{
    orlSharedUpdateHandler()->triggerDeferedUpdates();
}
} // namespace Orlund
