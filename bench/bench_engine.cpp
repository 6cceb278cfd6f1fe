// Engine speed: the product engine against the literal per-sample algorithm, float stereo,
// in the same run; block sizes that hosts use; a session of 64 instances on one core.
//   build/release/bench/bench_engine
#include "LiteralChordwell.h"

#include <ORLChordwellEffect.h>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace
{
struct Signal
{
    std::vector<float> left, right, out0, out1;
    explicit Signal(uint32_t frames) : left(frames), right(frames), out0(frames), out1(frames)
    {
        for (uint32_t i = 0; i < frames; ++i)
        {
            left[i] = static_cast<float>(0.3 * std::sin(i * 0.031));
            right[i] = static_cast<float>(0.3 * std::sin(i * 0.047));
        }
    }
};

enum class Motion
{
    Static,
    TuneGlide,   // Tune retargeted every block: read indices move every frame
    DetuneGlide, // the same for Detune
};

// Moves the glide's target every block, so that the glide never settles.
template <typename Engine> void retarget(Engine& engine, Motion motion, int& block)
{
    const double value = (block++ & 1) ? 0.0 : 1.0;
    if (motion == Motion::TuneGlide)
        engine.setParameter(5, value);
    if (motion == Motion::DetuneGlide)
        engine.setParameter(6, value);
}

void setFramesCounter(benchmark::State& state, uint32_t frames)
{
    state.counters["per_frame"] =
        benchmark::Counter(static_cast<double>(state.iterations() * frames),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void productEngine(benchmark::State& state, Motion motion, uint32_t frames)
{
    auto engine = std::make_unique<ORLChordwellEffect>();
    Signal s(frames);
    int block = 0;
    for (auto _ : state)
    {
        retarget(*engine, motion, block);
        engine->process({s.left.data(), s.right.data()}, {s.out0.data(), s.out1.data()}, frames);
        benchmark::DoNotOptimize(s.out0.data());
    }
    setFramesCounter(state, frames);
}

void literalReference(benchmark::State& state, Motion motion, uint32_t frames)
{
    auto engine = std::make_unique<LiteralChordwell>();
    Signal s(frames);
    int block = 0;
    for (auto _ : state)
    {
        retarget(*engine, motion, block);
        engine->process<float>(s.left.data(), s.right.data(), s.out0.data(), s.out1.data(), frames);
        benchmark::DoNotOptimize(s.out0.data());
    }
    setFramesCounter(state, frames);
}

// Bytes the allocator has handed out and not taken back.
long heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>(info.uordblks + info.hblkhd);
}

// One round of a session: 64 instances, each a 128-frame stereo block at 48 kHz, on this core.
constexpr int kInstances = 64;
constexpr uint32_t kSessionBlock = 128;

void BM_Session64(benchmark::State& state)
{
    const long before = heapInUse();
    std::vector<std::unique_ptr<ORLChordwellEffect>> engines;
    for (int i = 0; i < kInstances; ++i)
    {
        engines.push_back(std::make_unique<ORLChordwellEffect>());
        engines.back()->setSampleRate(48000.0);
    }
    // Everything the 64 engines hold: their objects and the lines they allocated.
    const long held = heapInUse() - before;
    Signal s(kSessionBlock);
    for (auto _ : state)
    {
        for (auto& engine : engines)
            engine->process({s.left.data(), s.right.data()}, {s.out0.data(), s.out1.data()},
                            kSessionBlock);
        benchmark::DoNotOptimize(s.out0.data());
    }
    const double blockSeconds = kSessionBlock / 48000.0;
    state.counters["realtime_fraction"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * blockSeconds,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["held_MiB"] = static_cast<double>(held) / (1024.0 * 1024.0);
    state.counters["per_instance_KiB"] = static_cast<double>(held) / kInstances / 1024.0;
}
} // namespace

BENCHMARK_CAPTURE(productEngine, Static, Motion::Static, 512u)->Name("Product/Static");
BENCHMARK_CAPTURE(literalReference, Static, Motion::Static, 512u)->Name("Reference/Static");
BENCHMARK_CAPTURE(productEngine, TuneGlide, Motion::TuneGlide, 512u)->Name("Product/TuneGlide");
BENCHMARK_CAPTURE(literalReference, TuneGlide, Motion::TuneGlide, 512u)
    ->Name("Reference/TuneGlide");
BENCHMARK_CAPTURE(productEngine, DetuneGlide, Motion::DetuneGlide, 512u)
    ->Name("Product/DetuneGlide");
BENCHMARK_CAPTURE(literalReference, DetuneGlide, Motion::DetuneGlide, 512u)
    ->Name("Reference/DetuneGlide");
BENCHMARK_CAPTURE(productEngine, Block32, Motion::Static, 32u)->Name("Product/Block32");
BENCHMARK_CAPTURE(productEngine, Block64, Motion::Static, 64u)->Name("Product/Block64");
BENCHMARK_CAPTURE(productEngine, Block128, Motion::Static, 128u)->Name("Product/Block128");
BENCHMARK_CAPTURE(productEngine, Block512, Motion::Static, 512u)->Name("Product/Block512");
BENCHMARK(BM_Session64)->Name("Session/64x128");

namespace
{
// Prints, after the usual table, how the product engine compares with the reference and how
// its cost per frame depends on the block size.
class SpeedupReporter : public benchmark::ConsoleReporter
{
  public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.report_big_o && !run.report_rms)
            {
                const auto frame = run.counters.find("per_frame");
                if (frame != run.counters.end())
                    perFrame[run.run_name.function_name] = frame->second.value * 1e9;
                const auto fraction = run.counters.find("realtime_fraction");
                if (fraction != run.counters.end())
                {
                    sessionFraction = fraction->second.value;
                    sessionMiB = run.counters.at("held_MiB").value;
                }
            }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const char* kind : {"Static", "TuneGlide", "DetuneGlide"})
        {
            const std::string product = std::string("Product/") + kind;
            const std::string reference = std::string("Reference/") + kind;
            if (perFrame.count(product) && perFrame.count(reference))
                std::printf("%-11s product %6.2f ns/frame, reference %6.2f ns/frame: %.2fx\n", kind,
                            perFrame[product], perFrame[reference],
                            perFrame[reference] / perFrame[product]);
        }
        for (const char* size : {"32", "64", "128", "512"})
        {
            const std::string name = std::string("Product/Block") + size;
            if (perFrame.count(name))
                std::printf("block %3s frames: %6.2f ns/frame\n", size, perFrame[name]);
        }
        if (perFrame.count("Product/Block64") && perFrame.count("Product/Block512"))
            std::printf("64-frame blocks cost %.1f %% more per frame than 512-frame blocks\n",
                        (perFrame["Product/Block64"] / perFrame["Product/Block512"] - 1.0) * 100.0);
        if (sessionFraction >= 0.0)
            std::printf("session of %d stereo instances, %u-frame blocks at 48 kHz: %.2f %% of "
                        "real time on one core, %.1f MiB held (%.0f KiB per instance, engine "
                        "object %zu bytes)\n",
                        kInstances, kSessionBlock, sessionFraction * 100.0, sessionMiB,
                        sessionMiB * 1024.0 / kInstances, sizeof(ORLChordwellEffect));
    }

  private:
    std::map<std::string, double> perFrame;
    double sessionFraction = -1.0;
    double sessionMiB = 0.0;
};
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    SpeedupReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
