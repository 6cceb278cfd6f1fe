#include "InProcessPlugin.h"

#include <EngineFields.h>

#include <cstring>

namespace
{
TEST(RenderPath, first_block_applies_every_value_and_the_rate_clamped_even_with_no_frames)
{
    InProcessPlugin plugin;
    for (const auto& [host, engineRate] :
         {std::pair{96000.0f, 96000.0}, {22050.0f, 44100.0}, {384000.0f, 192000.0}})
    {
        auto instance = plugin.instance(host == 22050.0f ? 0 : 1, host);
        instance->automate("2: Decay", 0.75);
        instance->automate("6: Detune", 0.5);
        instance->deliverUpdates();
        Block(0).run(*instance);
        float last = 0.0f;
        std::memcpy(&last, instance->privateData(15), 4);
        EXPECT_EQ(last, host) << "stored as the host gave it";
        ORLChordwellEffectInspector engine{engineOf(*instance)};
        EXPECT_EQ(engine.sampleRate(), engineRate);
        EXPECT_EQ(engine.parameter(2), static_cast<double>(0.75f));
        EXPECT_EQ(engine.parameter(6), 0.5);
        EXPECT_EQ(instance->meter(0), 0.0f);
        EXPECT_EQ(instance->meter(1), 0.0f);
    }
}

TEST(RenderPath, master_bypass_copies_input_in_every_layout_and_still_meters)
{
    InProcessPlugin plugin;
    for (size_t component = 0; component < 3; ++component)
    {
        auto instance = plugin.instance(component);
        instance->automate("MasterBypassID", 1.0);
        instance->deliverUpdates();
        Block block(64, -0.25f);
        for (size_t i = 0; i < 64; ++i)
            block.in0[i] = (static_cast<float>(i) - 32.0f) / 64.0f; // peak 0.5, above the right's
        block.run(*instance);
        for (size_t i = 0; i < 64; ++i)
        {
            EXPECT_EQ(block.out0[i], block.in0[i]);
            if (component != 0)
            {
                EXPECT_EQ(block.out1[i], component == 1 ? block.in1[i] : block.in0[i]);
            }
        }
        EXPECT_EQ(instance->meter(0), 0.5f);
        EXPECT_EQ(instance->meter(1), 0.5f);
        for (size_t meter = 2; meter < 66; ++meter)
            EXPECT_EQ(instance->meter(meter), 0.0f); // the custom meters are never written
    }
}

TEST(RenderPath, internal_value_reaches_the_engine_in_the_block_after_the_timer)
{
    InProcessPlugin plugin;
    auto instance = plugin.instance();
    auto& controller = wrapperOf(*instance).masterController();
    Block block(32);
    block.run(*instance);
    controller.editorControlChanged(9, 0.4);
    block.run(*instance);
    EXPECT_LT(cacheOf(*instance)[9], 0.0f); // not there before the timer ran
    ASSERT_EQ(instance->wakeDirectData(), 0);
    EXPECT_EQ(cacheOf(*instance)[9], 0.4f);
    EXPECT_EQ(cacheOf(*instance)[2], 0.25f); // public entries written back as read
    block.run(*instance);
    EXPECT_EQ(cacheOf(*instance)[9], -1.0f);
    ASSERT_EQ(instance->wakeDirectData(), 0); // nothing pending: nothing written
    EXPECT_EQ(cacheOf(*instance)[9], -1.0f);
}
} // namespace
