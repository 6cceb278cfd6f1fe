#include "ORLIdlePace.h"

#include "IdleUpdate_ORL_Handler.h"

#include <utility>

namespace Orlund
{
ORLIdlePace::ORLIdlePace(std::function<void(int)> r) : restart(std::move(r)) {}

ORLIdlePace::~ORLIdlePace()
{
    stopped();
}

void ORLIdlePace::stopped()
{
    if (current == kFastMilliseconds)
        IdleUpdate_ORL_Handler::windowBusy(false);
    current = 0;
}

int ORLIdlePace::periodFor(const ORLHintTracker& hints, bool hintsOn)
{
#ifdef _WIN32
    (void)hints;
    (void)hintsOn;
    return kFastMilliseconds;
#else
    const bool hintDue = hintsOn && hints.isPointerInside() && !hints.isHintShown();
    return hintDue ? kFastMilliseconds : kSlowMilliseconds;
#endif
}

void ORLIdlePace::settle(const ORLHintTracker& hints, bool hintsOn)
{
    use(periodFor(hints, hintsOn));
}

void ORLIdlePace::hurry()
{
    use(kFastMilliseconds);
}

void ORLIdlePace::use(int period)
{
    // Restarting a running timer puts its next call a whole period away: a pointer that
    // keeps moving must not keep pushing the tick back.
    if (period == current)
        return;
    const bool wasFast = current == kFastMilliseconds;
    current = period;
    if ((period == kFastMilliseconds) != wasFast)
        IdleUpdate_ORL_Handler::windowBusy(!wasFast);
    if (restart)
        restart(period);
}
} // namespace Orlund
