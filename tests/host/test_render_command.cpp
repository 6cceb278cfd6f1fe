#include "LiteralChordwell.h"

#include "EngineRenderer.h"
#include <DemoSignal.h>
#include <RenderLoop.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace
{
TEST(RenderCommand, output_is_the_literal_algorithm_whatever_the_block_size)
{
    const float values[8] = {0.6f, 0.7f, 0.8f, 0.1f, 0.75f, 0.3f, 0.4f, 0.0f};
    AudioBuffer input = makeDemoSignal();
    for (auto& channel : input.channels)
        channel.resize(9000);
    const size_t total = input.frames() + 12000; // 0.25 s of tail at 48 kHz

    auto reference = std::make_unique<LiteralChordwell>();
    reference->setSampleRate(input.sampleRate);
    for (int slot = 0; slot < 8; ++slot)
        reference->setParameter(static_cast<uint32_t>(slot), values[slot]);
    std::vector<float> left(total, 0.0f), right(total, 0.0f), out0(total), out1(total);
    std::copy(input.channels[0].begin(), input.channels[0].end(), left.begin());
    std::copy(input.channels[1].begin(), input.channels[1].end(), right.begin());
    reference->process<float>(left.data(), right.data(), out0.data(), out1.data(),
                              static_cast<uint32_t>(total));

    for (uint32_t block : {512u, 38u, 4096u})
    {
        EngineRenderer renderer(Layout::Stereo, input.sampleRate);
        for (int slot = 0; slot < 8; ++slot)
            renderer.setParameter(slot, values[slot]);
        const AudioBuffer output =
            renderThrough(renderer, input, {Layout::Stereo, 0.25, block}, nullptr);
        ASSERT_EQ(output.frames(), total);
        EXPECT_EQ(0, std::memcmp(output.channels[0].data(), out0.data(), total * sizeof(float)))
            << "block " << block;
        EXPECT_EQ(0, std::memcmp(output.channels[1].data(), out1.data(), total * sizeof(float)))
            << "block " << block;
    }
}
} // namespace
