#include "RunLoopBridge.h"

#include <juce_events/juce_events.h>
#include <juce_events/native/juce_linux_EventLoopInternal.h>
#include <ToolkitQueue.h>

using namespace Steinberg;

struct RunLoopBridge::Handlers final : public Linux::IEventHandler,
                                       public Linux::ITimerHandler,
                                       private juce::LinuxEventLoopInternal::Listener
{
    explicit Handlers(std::function<void()> tick) : tick(std::move(tick)) {}

    // Owned by the bridge; the host's references do not decide its lifetime.
    uint32 PLUGIN_API addRef() override { return 1; }
    uint32 PLUGIN_API release() override { return 1; }
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override
    {
        if (FUnknownPrivate::iidEqual(iid, Linux::IEventHandler::iid) ||
            FUnknownPrivate::iidEqual(iid, FUnknown::iid))
        {
            *obj = static_cast<Linux::IEventHandler*>(this);
            return kResultOk;
        }
        if (FUnknownPrivate::iidEqual(iid, Linux::ITimerHandler::iid))
        {
            *obj = static_cast<Linux::ITimerHandler*>(this);
            return kResultOk;
        }
        *obj = nullptr;
        return kNoInterface;
    }

    void PLUGIN_API onFDIsSet(Linux::FileDescriptor fd) override
    {
        juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd(fd);
    }

    void PLUGIN_API onTimer() override
    {
        // Whatever the descriptors did not bring in (a bounded number, so the host's loop
        // keeps its pace), then the effect's own tick.
        toolkitqueue::dispatchQueued();
        if (tick)
            tick();
    }

    void fdCallbacksChanged() override
    {
        if (loop == nullptr)
            return;
        loop->unregisterEventHandler(this);
        registerDescriptors();
    }

    void registerDescriptors()
    {
        for (int fd : juce::LinuxEventLoopInternal::getRegisteredFds())
            loop->registerEventHandler(this, fd);
    }

    bool attach(IPlugFrame* frame)
    {
        if (loop != nullptr || frame == nullptr)
            return loop != nullptr;
        Linux::IRunLoop* found = nullptr;
        if (frame->queryInterface(Linux::IRunLoop::iid, reinterpret_cast<void**>(&found)) !=
                kResultOk ||
            found == nullptr)
            return false;
        loop = found;
        juce::MessageManager::getInstance()->setCurrentThreadAsMessageThread();
        registerDescriptors();
        loop->registerTimer(this, kTickMilliseconds);
        juce::LinuxEventLoopInternal::registerLinuxEventLoopListener(*this);
        return true;
    }

    void detach()
    {
        if (loop == nullptr)
            return;
        juce::LinuxEventLoopInternal::deregisterLinuxEventLoopListener(*this);
        loop->unregisterTimer(this);
        loop->unregisterEventHandler(this);
        loop->release();
        loop = nullptr;
    }

    std::function<void()> tick;
    Linux::IRunLoop* loop = nullptr;
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

bool RunLoopBridge::attach(IPlugFrame* frame)
{
    return handlers->attach(frame);
}

void RunLoopBridge::detach()
{
    handlers->detach();
}
