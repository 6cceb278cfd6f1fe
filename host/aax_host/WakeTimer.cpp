#include "WakeTimer.h"

#include <utility>

void WakeTimer::start(std::chrono::milliseconds period, std::function<void()> wake)
{
    if (thread.joinable())
        return;
    {
        std::lock_guard guard(lock);
        runFlag = true;
    }
    thread = std::thread(
        [this, period, wake = std::move(wake)]
        {
            std::unique_lock guard(lock);
            while (runFlag)
            {
                guard.unlock();
                wake();
                guard.lock();
                woken.wait_for(guard, period, [this] { return !runFlag; });
            }
        });
}

void WakeTimer::stop()
{
    {
        std::lock_guard guard(lock);
        runFlag = false;
    }
    woken.notify_all();
    if (thread.joinable())
        thread.join();
}
