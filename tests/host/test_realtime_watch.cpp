// The counters behind validate's render callback check see what a loaded plug-in does, not
// only what the host does: otherwise the check would pass for any plug-in.
#include <RealtimeWatch.h>
#include <aax_host/EffectInstance.h>
#include <aax_host/PluginLibrary.h>

#include <gtest/gtest.h>

#include <pthread.h>

namespace
{
TEST(RealtimeWatch, counts_the_loaded_plugins_allocations_and_the_processs_locks)
{
    if (!realtime::available())
        GTEST_SKIP() << "a sanitizer owns these calls in this build";
    PluginLibrary library(ORL_PLUGIN_PATH);
    EffectInstance instance(library.effect(), 0, 48000.0f);
    uint32_t size = 0;

    const realtime::Counts before = realtime::counted();
    realtime::watch(true);
    // The plug-in builds its parameter chunk in a vector of its own; the host allocates
    // nothing here.
    instance.parametersObject().GetChunkSize(AAX_FourCC("elck"), &size);
    pthread_mutex_t mutex = PTHREAD_MUTEX_INITIALIZER;
    pthread_mutex_lock(&mutex);
    pthread_mutex_unlock(&mutex);
    realtime::watch(false);
    const realtime::Counts during = realtime::counted();
    EXPECT_GT(during.allocations, before.allocations);
    EXPECT_EQ(during.locks, before.locks + 1);

    // Unarmed, nothing is counted.
    instance.parametersObject().GetChunkSize(AAX_FourCC("elck"), &size);
    EXPECT_EQ(realtime::counted().allocations, during.allocations);
}
} // namespace
