// Control values as a host may send them, in lilv: out of range, infinite, NaN or subnormal,
// on every port of every plug-in. None of them may leave an instance that does not recover.
#include "LilvHost.h"
#include "Lv2Paths.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

TEST(Lv2HostValues, AnyPortValueKeepsTheOutputFiniteAndTheInstanceRecoversAfterReset)
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
                for (size_t c = 0; c < runner.outputCount(); ++c)
                    ASSERT_EQ(runner.output(c), fresh.output(c)) << "channel " << c;
            }
}
