#include "IdleUpdate_ORL_Handler.h"

#include "SharedUpdateHandler.h"

#include <base/source/updatehandler.h>

namespace Orlund
{
IdleUpdate_ORL_Handler::IdleUpdate_ORL_Handler()
{
    orlSharedUpdateHandler();
    // Without a message loop there is no timer; the handler then runs without it.
    if (juce::MessageManager::getInstanceWithoutCreating() != nullptr)
        startTimer(kMilliseconds);
}

IdleUpdate_ORL_Handler::~IdleUpdate_ORL_Handler()
{
    stopTimer();
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
