// The render callback allocates nothing and takes no lock: every allocation and mutex lock
// in this process is counted while a block is rendered.
#include "HandContext.h"
#include "InProcessPlugin.h"

#include <dlfcn.h>
#include <pthread.h>

#include <atomic>
#include <cstdlib>
#include <new>

// The replaced operators pair malloc with free on purpose. The array forms and nothrow forms
// call these by default.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace
{
std::atomic<bool> counting{false};
std::atomic<int> allocations{0};
std::atomic<int> locks{0};
} // namespace

void* operator new(std::size_t size)
{
    if (counting.load())
        allocations.fetch_add(1);
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

extern "C" int pthread_mutex_lock(pthread_mutex_t* mutex)
{
    using Lock = int (*)(pthread_mutex_t*);
    static const auto real = reinterpret_cast<Lock>(dlsym(RTLD_NEXT, "pthread_mutex_lock"));
    if (counting.load())
        locks.fetch_add(1);
    return real(mutex);
}

namespace
{
TEST(RenderRealtime, render_callbacks_allocate_nothing_and_lock_nothing)
{
    InProcessPlugin plugin;
    auto instance = plugin.instance();
    const AAX_CProcessProc callbacks[3] = {ORL_AAX_RenderMono, ORL_AAX_RenderStereo,
                                           ORL_AAX_RenderMonoStereo};
    for (AAX_CProcessProc render : callbacks)
    {
        HandContext hand(instance->parametersObject());
        hand.cache[9] = 0.5f; // an internal value waiting
        void* const instances[1] = {&hand.context};
        allocations = 0;
        locks = 0;
        counting = true;
        render(instances, instances + 1); // first block: rate and every value
        hand.ports[4] = 0.6f;             // a transpose change empties the strings
        hand.bypass = 1;
        render(instances, instances + 1);
        hand.bypass = 0;
        render(instances, instances + 1);
        counting = false;
        EXPECT_EQ(allocations.load(), 0);
        EXPECT_EQ(locks.load(), 0);
        EXPECT_EQ(hand.cache[9], -1.0f);
        EXPECT_GT(hand.meters[0], 0.0f);
    }
}
} // namespace
