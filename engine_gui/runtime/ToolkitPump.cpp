#include "ToolkitPump.h"

#include <juce_events/juce_events.h>
#ifndef _WIN32
#include <juce_events/native/juce_linux_EventLoopInternal.h>
#endif

namespace juce
{
// The toolkit's own step of its message loop (defined in juce_events).
bool dispatchNextMessageOnSystemQueue(bool returnIfNoPendingMessages);
} // namespace juce

namespace orl::toolkitpump
{
void adoptThisThread()
{
    juce::MessageManager::getInstance()->setCurrentThreadAsMessageThread();
}

void dispatchQueued(int most)
{
    for (int i = 0; i < most && juce::dispatchNextMessageOnSystemQueue(true); ++i)
    {
    }
}

#ifndef _WIN32
std::vector<int> descriptors()
{
    return juce::LinuxEventLoopInternal::getRegisteredFds();
}

void serviceDescriptor(int fd)
{
    juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd(fd);
}

void pumpAll()
{
    for (int fd : descriptors())
        serviceDescriptor(fd);
    dispatchQueued();
}

struct DescriptorWatch::Listener final : juce::LinuxEventLoopInternal::Listener
{
    explicit Listener(std::function<void()> changed) : changed(std::move(changed)) {}
    void fdCallbacksChanged() override { changed(); }
    std::function<void()> changed;
};

DescriptorWatch::DescriptorWatch(std::function<void()> changed)
    : listener(std::make_unique<Listener>(std::move(changed)))
{
    juce::LinuxEventLoopInternal::registerLinuxEventLoopListener(*listener);
}

DescriptorWatch::~DescriptorWatch()
{
    juce::LinuxEventLoopInternal::deregisterLinuxEventLoopListener(*listener);
}
#else
struct Ticker::Timer final : juce::Timer
{
    explicit Timer(std::function<void()> tick) : tick(std::move(tick)) {}
    ~Timer() override { stopTimer(); }
    void timerCallback() override
    {
        if (tick)
            tick();
    }
    std::function<void()> tick;
};

Ticker::Ticker(std::function<void()> tick) : timer(std::make_unique<Timer>(std::move(tick))) {}

Ticker::~Ticker() = default;

void Ticker::start(int milliseconds)
{
    if (!timer->isTimerRunning())
        timer->startTimer(milliseconds);
}

void Ticker::stop()
{
    timer->stopTimer();
}
#endif
} // namespace orl::toolkitpump
