// The plug-in in lilv sounds bit for bit as the engine does at the host's sample rate (22.05 kHz
// clamped up to the engine's lowest), in every layout: the rate, the ports and the channels all
// reach the engine as a host set them.
#include "EngineRenderer.h"
#include "LilvHost.h"
#include "Lv2Paths.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

TEST(Lv2Rates, EveryLayoutSoundsAsTheEngineAtTheHostsRate)
{
    LilvHost host(kBuiltBundles);
    const float values[8] = {0.55f, 0.5f, 0.6f, 0.125f, 0.75f, 0.62f, 0.35f, 0.0f};
    const Layout layouts[3] = {Layout::Mono, Layout::MonoStereo, Layout::Stereo};
    constexpr uint32_t kBlock = 256;
    for (const double rate : {22050.0, 44100.0, 48000.0, 96000.0, 192000.0})
        for (int l = 0; l < 3; ++l)
        {
            SCOPED_TRACE(std::to_string(rate) + " Hz, " + kLayoutSuffixes[l]);
            LilvRunner runner(host, host.plugin(chordwellUri(kLayoutSuffixes[l])), rate, kBlock);
            ASSERT_TRUE(runner.ok());
            ASSERT_EQ(runner.outputs.size(), layouts[l] == Layout::Mono ? 1u : 2u);
            EngineRenderer engine(layouts[l], rate);
            for (int slot = 0; slot < 8; ++slot)
            {
                ASSERT_TRUE(runner.setControl(kPortSymbols[slot], values[slot]));
                engine.setParameter(slot, values[slot]);
            }
            // A burst of noise, different on each channel, then a quarter second of ringing;
            // Tune moves halfway.
            const auto frames = static_cast<uint32_t>(rate * 0.3);
            uint32_t seed = 12345;
            std::vector<float> expected[2] = {std::vector<float>(kBlock),
                                              std::vector<float>(kBlock)};
            for (uint32_t start = 0; start < frames; start += kBlock)
            {
                if (start >= frames / 2 && start < frames / 2 + kBlock)
                {
                    runner.setControl("tune", 0.3f);
                    engine.setParameter(5, 0.3f);
                }
                runner.noise(seed, start < rate * 0.05 ? 0.5f : 0.0f);
                const float* ins[2] = {runner.inputs[0].data(),
                                       runner.inputs[runner.inputs.size() - 1].data()};
                float* outs[2] = {expected[0].data(), expected[1].data()};
                engine.renderBlock(ins, outs, kBlock);
                runner.run(kBlock);
                for (size_t c = 0; c < runner.outputs.size(); ++c)
                    ASSERT_EQ(runner.outputs[c], expected[c])
                        << "channel " << c << ", the block from frame " << start;
            }
        }
}
