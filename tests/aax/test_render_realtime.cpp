// The render callback allocates nothing, takes no lock and makes no blocking system call: the
// realtime watch counts them on this thread while a block is rendered.
#include "HandContext.h"
#include "InProcessPlugin.h"

#include <realtime/RealtimeWatch.h>

#include <tuple>

namespace
{
TEST(RenderRealtime, render_callbacks_allocate_nothing_and_lock_nothing)
{
    ASSERT_TRUE(realtime::available()) << realtime::unavailableReason();
    InProcessPlugin plugin;
    auto instance = plugin.instance();
    for (AAX_CProcessProc render :
         {ORL_AAX_RenderMono, ORL_AAX_RenderStereo, ORL_AAX_RenderMonoStereo})
    {
        HandContext hand(instance->parametersObject());
        hand.cache[9] = 0.5f; // an internal value waiting
        void* const instances[1] = {&hand.context};
        const realtime::Counts before = realtime::counted();
        realtime::watch(true);
        render(instances, instances + 1); // first block: rate and every value
        hand.ports[4] = 0.6f;             // a transpose change empties the strings
        hand.bypass = 1;
        render(instances, instances + 1);
        hand.bypass = 0;
        render(instances, instances + 1);
        realtime::watch(false);
        const realtime::Counts after = realtime::counted();
        EXPECT_EQ(std::tuple(after.allocations, after.locks, after.systemCalls),
                  std::tuple(before.allocations, before.locks, before.systemCalls));
        EXPECT_EQ(hand.cache[9], -1.0f);
        EXPECT_GT(hand.meters[0], 0.0f);
    }
}
} // namespace
