// Engine speed: the product engine against the literal per-sample algorithm, float stereo,
// 512-frame blocks, at static parameters and during a Tune glide.
//   build/release/bench/bench_engine
#include "LiteralChordwell.h"

#include <ORLChordwellEffect.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr uint32_t kBlock = 512;

struct Signal
{
    std::vector<float> left = std::vector<float>(kBlock), right = std::vector<float>(kBlock);
    std::vector<float> out0 = std::vector<float>(kBlock), out1 = std::vector<float>(kBlock);
    Signal()
    {
        for (uint32_t i = 0; i < kBlock; ++i)
        {
            left[i] = static_cast<float>(0.3 * std::sin(i * 0.031));
            right[i] = static_cast<float>(0.3 * std::sin(i * 0.047));
        }
    }
};

// glide: retarget Tune every block so the read indices are recomputed every frame.
void productEngine(benchmark::State& state, bool glide)
{
    auto engine = std::make_unique<ORLChordwellEffect>();
    Signal s;
    int block = 0;
    for (auto _ : state)
    {
        if (glide)
            engine->setParameter(5, (block++ & 1) ? 0.0 : 1.0);
        engine->process({s.left.data(), s.right.data()}, {s.out0.data(), s.out1.data()}, kBlock);
        benchmark::DoNotOptimize(s.out0.data());
    }
    state.counters["time_per_frame"] =
        benchmark::Counter(static_cast<double>(state.iterations() * kBlock),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void literalReference(benchmark::State& state, bool glide)
{
    auto engine = std::make_unique<LiteralChordwell>();
    Signal s;
    int block = 0;
    for (auto _ : state)
    {
        if (glide)
            engine->setParameter(5, (block++ & 1) ? 0.0 : 1.0);
        engine->process<float>(s.left.data(), s.right.data(), s.out0.data(), s.out1.data(), kBlock);
        benchmark::DoNotOptimize(s.out0.data());
    }
    state.counters["time_per_frame"] =
        benchmark::Counter(static_cast<double>(state.iterations() * kBlock),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Product_Static(benchmark::State& state)
{
    productEngine(state, false);
}
void BM_Reference_Static(benchmark::State& state)
{
    literalReference(state, false);
}
void BM_Product_TuneGlide(benchmark::State& state)
{
    productEngine(state, true);
}
void BM_Reference_TuneGlide(benchmark::State& state)
{
    literalReference(state, true);
}
} // namespace

BENCHMARK(BM_Product_Static);
BENCHMARK(BM_Reference_Static);
BENCHMARK(BM_Product_TuneGlide);
BENCHMARK(BM_Reference_TuneGlide);
namespace
{
// Prints, after the usual table, how much faster the product engine runs than the reference.
class SpeedupReporter : public benchmark::ConsoleReporter
{
  public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                perIteration[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const char* kind : {"Static", "TuneGlide"})
        {
            const std::string product = std::string("BM_Product_") + kind;
            const std::string reference = std::string("BM_Reference_") + kind;
            if (perIteration.count(product) && perIteration.count(reference))
                std::printf("speed-up over the literal reference, %s: %.2fx\n", kind,
                            perIteration[reference] / perIteration[product]);
        }
    }

  private:
    std::map<std::string, double> perIteration;
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
