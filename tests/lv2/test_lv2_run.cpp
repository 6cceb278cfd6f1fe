// run() as lilv's hosts call it: real-time safe for every layout and any block length, zero
// and unconnected audio included (every allocation, lock and a set of system calls on this
// thread are counted while the plug-in runs, interposed by the realtime watch as lv2lint does),
// and any value on any port.
#include "LilvHost.h"
#include "Lv2Paths.h"

#include <realtime/RealtimeWatch.h>

#include <gtest/gtest.h>

#include <limits>
#include <string>

TEST(Lv2Run, EveryLayoutRunsAnyBlockLengthWithoutAllocatingLockingOrCallingTheSystem)
{
    ASSERT_TRUE(realtime::available()) << "nothing is counted in this build";
    // The counters see what they are meant to see.
    const realtime::Counts before = realtime::counted();
    realtime::watch(true);
    // Called, not a new-expression, which the compiler may leave out.
    ::operator delete(::operator new(16));
    realtime::watch(false);
    ASSERT_EQ(realtime::counted().allocations, before.allocations + 2);

    LilvHost host(kBuiltBundles);
    for (const char* layout : kLayoutSuffixes)
    {
        SCOPED_TRACE(layout);
        LilvRunner runner(host, host.plugin(chordwellUri(layout)), 48000.0, 1024);
        ASSERT_TRUE(runner.ok());
        uint32_t seed = 5;
        runner.noise(seed, 0.5f);
        const uint32_t lengths[] = {0, 1, 7, 64, 0, 511, 1024, 3, 2};
        int step = 0;
        const realtime::Counts start = realtime::counted();
        realtime::watch(true);
        for (int pass = 0; pass < 4; ++pass)
            for (uint32_t frames : lengths)
            {
                // Glides, a retune, a new decay and a bypass while running.
                runner.setControl("tune", 0.1f * static_cast<float>(step % 10));
                runner.setControl("transpose", step % 3 == 0 ? 0.0f : 1.0f);
                runner.setControl("decay", 0.9f);
                runner.setControl("detune", 0.5f);
                runner.setControl("bypass", step == 17 ? 1.0f : 0.0f);
                runner.run(frames);
                ++step;
            }
        realtime::watch(false);
        const realtime::Counts end = realtime::counted();
        EXPECT_EQ(end.allocations, start.allocations);
        EXPECT_EQ(end.locks, start.locks);
        EXPECT_EQ(end.systemCalls, start.systemCalls);
        EXPECT_TRUE(runner.finite());
        EXPECT_EQ(runner.control("latency"), 0.0f);
    }
}

TEST(Lv2Run, ZeroLengthRunsAndRunsWithoutAudioPortsLeaveOutputAndStringsUntouched)
{
    LilvHost host(kBuiltBundles);
    const LilvPlugin* plugin = host.plugin(chordwellUri("stereo"));
    LilvRunner plain(host, plugin, 48000.0, 256), interrupted(host, plugin, 48000.0, 256);
    ASSERT_TRUE(plain.ok() && interrupted.ok());
    // An impulse on the inputs throughout: a run that reads them rings the strings.
    for (LilvRunner* r : {&plain, &interrupted})
        r->inputs[0][0] = r->inputs[1][0] = 1.0f;
    interrupted.outputs[0].assign(256, 7.0f);
    interrupted.run(0);
    EXPECT_EQ(interrupted.outputs[0], std::vector<float>(256, 7.0f));
    interrupted.connectAudio(false);
    interrupted.run(256);
    interrupted.connectAudio(true);
    plain.run(256);
    interrupted.run(256);
    EXPECT_EQ(plain.outputs, interrupted.outputs);
}

TEST(Lv2Run, AnyPortValueKeepsTheOutputFiniteAndTheInstanceRecoversAfterReset)
{
    LilvHost host(kBuiltBundles);
    constexpr auto kLimits = std::numeric_limits<float>();
    for (const char* layout : kLayoutSuffixes)
        for (const char* symbol : kPortSymbols)
            for (const float value :
                 {-1.0f, 1.0e5f, 1.0e38f, -1.0e38f, kLimits.quiet_NaN(), kLimits.infinity(),
                  -kLimits.infinity(), kLimits.denorm_min()})
            {
                SCOPED_TRACE(std::string(layout) + " " + symbol + " " + std::to_string(value));
                LilvRunner runner(host, host.plugin(chordwellUri(layout)), 48000.0, 1024);
                ASSERT_TRUE(runner.ok());
                const float standard = runner.control(symbol);
                uint32_t seed = 1;
                for (const float v : {standard, value, standard})
                {
                    runner.setControl(symbol, v);
                    runner.noise(seed, 0.5f);
                    runner.run(1024);
                    EXPECT_TRUE(runner.finite()) << "with " << v;
                }

                // After a host's reset it sounds as a fresh instance does.
                lilv_instance_deactivate(runner.lilvInstance());
                lilv_instance_activate(runner.lilvInstance());
                LilvRunner fresh(host, host.plugin(chordwellUri(layout)), 48000.0, 1024);
                for (LilvRunner* r : {&runner, &fresh})
                {
                    seed = 3;
                    r->noise(seed, 0.5f);
                    r->run(1024);
                }
                ASSERT_EQ(runner.outputs, fresh.outputs);
            }
}
