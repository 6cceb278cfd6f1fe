// A host that waits for the plug-in instead of polling: it hears of every update the plug-in
// queues, once, and of nothing that needs no delivery (the plug-in's echo while its own update
// is delivered), so an idle host is never woken in a loop.
#include "InProcessPlugin.h"

#include <ParameterTable.h>

#include <algorithm>
#include <string>

namespace
{
size_t countOf(const EffectInstance& instance, const std::string& what)
{
    const auto& calls = instance.calls();
    return static_cast<size_t>(std::count_if(calls.begin(), calls.end(),
                                             [&](const auto& call) { return call.what == what; }));
}
} // namespace

TEST(HostUpdates, each_queued_update_wakes_the_host_once_and_delivered_echoes_wake_nothing)
{
    InProcessPlugin plugin;
    auto instance = plugin.instance(1);
    instance->deliverUpdates();
    instance->clearCalls();
    int wakes = 0;
    size_t deliveredAtWake = 0;
    instance->onUpdateQueued(
        [&]
        {
            ++wakes;
            deliveredAtWake = std::max(deliveredAtWake, countOf(*instance, "update"));
        });

    instance->edit(getParameterIdentifier(1), 0.3);
    instance->automate(getParameterIdentifier(2), 0.7);
    EXPECT_EQ(wakes, 2);
    EXPECT_EQ(deliveredAtWake, 0u) << "nothing is delivered from inside the call that queued";

    instance->deliverUpdates();
    EXPECT_EQ(countOf(*instance, "update"), 2u);
    EXPECT_EQ(wakes, 2) << "the plug-in's echoes of its delivered updates wake nobody";

    instance->onUpdateQueued({});
    const std::string damp = getParameterIdentifier(3);
    instance->automate(damp, 0.1);
    instance->deliverUpdates();
    EXPECT_EQ(wakes, 2);
    EXPECT_EQ(countOf(*instance, "update"), 3u) << "without a listener updates still queue";
}
