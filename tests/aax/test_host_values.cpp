// Values as a host may send them through the parameter set calls: out of range, infinite, NaN
// or subnormal. The engine hears them clamped to 0..1, a NaN changes nothing, and the output
// stays finite. (The render ports' values take the render layer's road: tests/render.)
#include "InProcessPlugin.h"

#include <EngineFields.h>
#include <ParameterTable.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace
{
using Limits = std::numeric_limits<double>;

bool finite(const std::vector<float>& samples)
{
    return std::all_of(samples.begin(), samples.end(), [](float v) { return std::isfinite(v); });
}

double clampedOr(double value, double previous)
{
    return std::isnan(value) ? previous : std::fmin(std::fmax(value, 0.0), 1.0);
}

double heardBy(EffectInstance& instance, int slot)
{
    return ORLChordwellEffectInspector{engineOf(instance)}.parameter(slot);
}
} // namespace

TEST(HostValues, set_calls_reach_the_engine_clamped_and_a_nan_changes_nothing)
{
    InProcessPlugin plugin;
    for (int slot = 0; slot < 8; ++slot)
        for (const double value : {-1.0, 1.0e5, 1.0e38, -1.0e38, Limits::quiet_NaN(),
                                   Limits::infinity(), -Limits::infinity(), Limits::denorm_min()})
        {
            SCOPED_TRACE(std::to_string(slot) + " " + std::to_string(value));
            const std::string id = getParameterIdentifier(slot);
            for (const bool touched : {false, true})
            {
                SCOPED_TRACE(touched ? "edited" : "automated");
                auto instance = plugin.instance(1);
                Block(64, 0.25f).run(*instance);
                const double before = heardBy(*instance, slot);
                if (touched)
                    instance->edit(id, value);
                else
                    instance->automate(id, value);
                instance->deliverUpdates();
                Block block(2400, 0.25f);
                block.run(*instance);
                EXPECT_TRUE(finite(block.out0) && finite(block.out1));
                EXPECT_EQ(heardBy(*instance, slot),
                          static_cast<double>(static_cast<float>(clampedOr(value, before))));
                double shown = -1.0;
                ASSERT_EQ(wrapperOf(*instance).GetParameterNormalizedValue(id.c_str(), &shown),
                          AAX_SUCCESS);
                EXPECT_TRUE(shown >= 0.0 && shown <= 1.0) << shown;
            }
        }
}
