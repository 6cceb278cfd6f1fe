// Control values as a host may send them, in lilv: out of range, infinite, NaN or subnormal,
// on every port of every plug-in. None of them may leave an instance that does not recover.
#include "LilvHost.h"
#include "Lv2Paths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace
{
constexpr const char* kSymbols[8] = {"output",    "mix",  "decay",  "damp",
                                     "transpose", "tune", "detune", "bypass"};
constexpr uint32_t kBlock = 1024;

void feedNoise(LilvRunner& runner, uint32_t seed)
{
    for (size_t c = 0; c < runner.inputCount(); ++c)
        for (uint32_t f = 0; f < kBlock; ++f)
        {
            seed = seed * 1664525u + 1013904223u;
            runner.input(c)[f] = static_cast<float>(seed >> 8) / 16777216.0f - 0.5f;
        }
}

// Frames of the last block that are NaN or infinite, over every output channel.
int nonFinite(LilvRunner& runner)
{
    int bad = 0;
    for (size_t c = 0; c < runner.outputCount(); ++c)
        for (uint32_t f = 0; f < kBlock; ++f)
            bad += std::isfinite(runner.output(c)[f]) ? 0 : 1;
    return bad;
}
} // namespace

TEST(Lv2HostValues, AnyPortValueKeepsTheOutputFiniteAndTheInstanceRecoversAfterReset)
{
    useBuiltBundle();
    LilvHost host;
    const float values[] = {-1.0f,
                            1.0e5f,
                            1.0e38f,
                            -1.0e38f,
                            std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::denorm_min()};
    for (const char* layout : kLayoutSuffixes)
    {
        const LilvPlugin* plugin = host.plugin(chordwellUri(layout));
        ASSERT_NE(plugin, nullptr);
        for (int slot = 0; slot < 8; ++slot)
            for (const float value : values)
            {
                SCOPED_TRACE(std::string(layout) + " " + kSymbols[slot] + " " +
                             std::to_string(value));
                LilvRunner runner(host, plugin, 48000.0, kBlock);
                ASSERT_TRUE(runner.ok());
                const float standard = runner.control(kSymbols[slot]);
                feedNoise(runner, 1);
                runner.run(kBlock);
                runner.setControl(kSymbols[slot], value);
                feedNoise(runner, 2);
                runner.run(kBlock);
                EXPECT_EQ(nonFinite(runner), 0) << "with the value";
                runner.setControl(kSymbols[slot], standard);
                runner.run(kBlock);
                EXPECT_EQ(nonFinite(runner), 0) << "back at the default";

                // After a host's reset it sounds as a fresh instance does.
                lilv_instance_deactivate(runner.lilvInstance());
                lilv_instance_activate(runner.lilvInstance());
                LilvRunner fresh(host, plugin, 48000.0, kBlock);
                for (LilvRunner* r : {&runner, &fresh})
                {
                    feedNoise(*r, 3);
                    r->run(kBlock);
                }
                for (size_t c = 0; c < runner.outputCount(); ++c)
                    ASSERT_EQ(runner.output(c), fresh.output(c)) << "channel " << c;
            }
    }
}
