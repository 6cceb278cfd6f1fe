// The shell's cost per block: a 512-frame stereo block through the engine alone against the
// same block through the plug-in's render callback as the host calls it (ports, cache check,
// meters), and with one parameter change delivered per block.
//   build/release/bench/bench_render_path
#include <Description.h>
#include <ORLChordwellEffect.h>
#include <aax_host/EffectInstance.h>
#include <aax_host/HostObject.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace
{
constexpr int32_t kBlock = 512;

struct Audio
{
    std::vector<float> in0 = std::vector<float>(kBlock), in1 = in0, out0 = in0, out1 = in0;
    Audio()
    {
        for (int32_t i = 0; i < kBlock; ++i)
        {
            in0[static_cast<size_t>(i)] = static_cast<float>(0.3 * std::sin(i * 0.031));
            in1[static_cast<size_t>(i)] = static_cast<float>(0.3 * std::sin(i * 0.047));
        }
    }
};

struct Plugin
{
    HostObject host;
    std::unique_ptr<EffectInstance> instance;
    Plugin()
    {
        AAX_VCollection collection(&host);
        ORL_DescribeEffects(collection);
        instance = std::make_unique<EffectInstance>(host.recorder().description().effects.at(0), 1,
                                                    48000.0f);
    }
};

void BM_EngineBlock(benchmark::State& state)
{
    Audio audio;
    ORLChordwellEffect engine;
    engine.setSampleRate(48000.0);
    for (auto _ : state)
    {
        engine.process({audio.in0.data(), audio.in1.data()}, {audio.out0.data(), audio.out1.data()},
                       kBlock);
        benchmark::DoNotOptimize(audio.out0.data());
    }
}
BENCHMARK(BM_EngineBlock);

void BM_PluginBlock(benchmark::State& state)
{
    Audio audio;
    Plugin plugin;
    const float* in[2] = {audio.in0.data(), audio.in1.data()};
    float* out[2] = {audio.out0.data(), audio.out1.data()};
    for (auto _ : state)
    {
        plugin.instance->render(in, out, kBlock);
        benchmark::DoNotOptimize(audio.out0.data());
    }
}
BENCHMARK(BM_PluginBlock);

void BM_PluginBlockWithAutomation(benchmark::State& state)
{
    Audio audio;
    Plugin plugin;
    const float* in[2] = {audio.in0.data(), audio.in1.data()};
    float* out[2] = {audio.out0.data(), audio.out1.data()};
    int step = 0;
    for (auto _ : state)
    {
        plugin.instance->automate("1: Mix", (step++ % 100) / 100.0);
        plugin.instance->deliverUpdates();
        plugin.instance->render(in, out, kBlock);
        benchmark::DoNotOptimize(audio.out0.data());
    }
}
BENCHMARK(BM_PluginBlockWithAutomation);
} // namespace

BENCHMARK_MAIN();
