#include "IdleUpdate_ORL_Handler.h"

#include <base/source/updatehandler.h>

namespace Orlund
{
IdleUpdate_ORL_Handler::IdleUpdate_ORL_Handler()
{
    Steinberg::UpdateHandler::instance();
    // Without a message loop there is no timer; the handler then runs without it.
    if (juce::MessageManager::getInstanceWithoutCreating() != nullptr)
        startTimer(kMilliseconds);
}

IdleUpdate_ORL_Handler& IdleUpdate_ORL_Handler::start()
{
    // Kept to the end of the process: the toolkit's timer list may still name it.
    static IdleUpdate_ORL_Handler* const handler = new IdleUpdate_ORL_Handler();
    return *handler;
}

void IdleUpdate_ORL_Handler::tick()
{
    if (auto* updates = Steinberg::UpdateHandler::instance(false))
        updates->triggerDeferedUpdates();
}
} // namespace Orlund
