// The shells' cost per block: a 512-frame stereo block through the engine alone against the
// same block through the AAX plug-in's render callback as the host calls it (ports, cache
// check, meters) and through the VST 3 shell's process() (posted values, timed points), each
// also with one parameter change per block (in VST 3 a point in mid-block, which splits it).
//   build/release/bench/bench_render_path
#include <Description.h>
#include <ORLChordwellEffect.h>
#include <ORL_VST3_Effect.h>
#include <aax_host/EffectInstance.h>
#include <aax_host/HostObject.h>
#include <pluginterfaces/vst/ivstparameterchanges.h>

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

// One timed point in mid-block, as a host's automation lane sends it.
struct MidBlockPoint final : Steinberg::Vst::IParameterChanges, Steinberg::Vst::IParamValueQueue
{
    double value = 0.0;
    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID, void**) override
    {
        return Steinberg::kNoInterface;
    }
    Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
    Steinberg::uint32 PLUGIN_API release() override { return 1; }
    Steinberg::int32 PLUGIN_API getParameterCount() override { return 1; }
    Steinberg::Vst::IParamValueQueue* PLUGIN_API getParameterData(Steinberg::int32) override
    {
        return this;
    }
    Steinberg::Vst::IParamValueQueue* PLUGIN_API addParameterData(const Steinberg::Vst::ParamID&,
                                                                  Steinberg::int32&) override
    {
        return nullptr;
    }
    Steinberg::Vst::ParamID PLUGIN_API getParameterId() override { return 1; }
    Steinberg::int32 PLUGIN_API getPointCount() override { return 1; }
    Steinberg::tresult PLUGIN_API getPoint(Steinberg::int32, Steinberg::int32& offset,
                                           Steinberg::Vst::ParamValue& v) override
    {
        offset = kBlock / 2;
        v = value;
        return Steinberg::kResultTrue;
    }
    Steinberg::tresult PLUGIN_API addPoint(Steinberg::int32, Steinberg::Vst::ParamValue,
                                           Steinberg::int32&) override
    {
        return Steinberg::kResultFalse;
    }
};

void vst3Blocks(benchmark::State& state, bool automate)
{
    using namespace Steinberg::Vst;
    Audio audio;
    auto* effect = new ORL_VST3_Effect;
    effect->initialize(nullptr);
    ProcessSetup setup{kRealtime, kSample32, kBlock, 48000.0};
    effect->setupProcessing(setup);
    effect->setActive(true);
    float* in[2] = {audio.in0.data(), audio.in1.data()};
    float* out[2] = {audio.out0.data(), audio.out1.data()};
    AudioBusBuffers input{}, output{};
    input.numChannels = output.numChannels = 2;
    input.channelBuffers32 = in;
    output.channelBuffers32 = out;
    MidBlockPoint point;
    ProcessData data{};
    data.symbolicSampleSize = kSample32;
    data.numSamples = kBlock;
    data.numInputs = data.numOutputs = 1;
    data.inputs = &input;
    data.outputs = &output;
    data.inputParameterChanges = automate ? &point : nullptr;
    int step = 0;
    for (auto _ : state)
    {
        point.value = (step++ % 100) / 100.0;
        effect->process(data);
        benchmark::DoNotOptimize(audio.out0.data());
    }
    effect->setActive(false);
    effect->terminate();
    effect->release();
}

void BM_Vst3Block(benchmark::State& state)
{
    vst3Blocks(state, false);
}
BENCHMARK(BM_Vst3Block);

void BM_Vst3BlockWithAutomation(benchmark::State& state)
{
    vst3Blocks(state, true);
}
BENCHMARK(BM_Vst3BlockWithAutomation);
} // namespace

BENCHMARK_MAIN();
