#include "RunLoopBridge.h"

#include <ToolkitPump.h>

#include <memory>

using namespace Steinberg;

namespace pump = orl::toolkitpump;

struct RunLoopBridge::Handlers final : public Linux::IEventHandler, public Linux::ITimerHandler
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

    void PLUGIN_API onFDIsSet(Linux::FileDescriptor fd) override { pump::serviceDescriptor(fd); }

    void PLUGIN_API onTimer() override
    {
        // Whatever the descriptors did not bring in (a bounded number, so the host's loop
        // keeps its pace), then the effect's own tick.
        pump::dispatchQueued();
        if (tick)
            tick();
    }

    // The toolkit opened or closed a descriptor: the host's loop watches the new set.
    void descriptorsChanged()
    {
        if (loop == nullptr)
            return;
        loop->unregisterEventHandler(this);
        registerDescriptors();
    }

    void registerDescriptors()
    {
        for (int fd : pump::descriptors())
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
        pump::adoptThisThread();
        registerDescriptors();
        loop->registerTimer(this, kTickMilliseconds);
        watch = std::make_unique<pump::DescriptorWatch>([this] { descriptorsChanged(); });
        return true;
    }

    void detach()
    {
        if (loop == nullptr)
            return;
        watch.reset();
        loop->unregisterTimer(this);
        loop->unregisterEventHandler(this);
        loop->release();
        loop = nullptr;
    }

    std::function<void()> tick;
    Linux::IRunLoop* loop = nullptr;
    std::unique_ptr<pump::DescriptorWatch> watch;
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
