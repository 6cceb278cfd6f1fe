// `chordwell-host render --tail auto` against the default fixed tail of 3 s, on a 1 s stereo
// file at Decay 20 % and at the default preset; wall time of the whole command, and the
// length each writes.
//   build/release/bench/bench_host_tails
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace
{
std::filesystem::path folder;

std::string quoted(const std::filesystem::path& path)
{
    return "'" + path.string() + "'";
}

void render(benchmark::State& state, const std::string& options)
{
    const std::string command = std::string(quoted(ORL_CHORDWELL_HOST)) + " render " + options +
                                " " + quoted(folder / "in.wav") + " " + quoted(folder / "out.wav") +
                                " > /dev/null 2>&1";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
        {
            state.SkipWithError(("failed: " + command).c_str());
            break;
        }
    // Seconds written: the file's data over 48000 frames of two 4-byte samples.
    state.counters["seconds written"] =
        static_cast<double>(std::filesystem::file_size(folder / "out.wav")) / (48000.0 * 8.0);
}

void BM_FixedTail3s_Decay20(benchmark::State& state)
{
    render(state, "--set decay=20%");
}
void BM_AutoTail_Decay20(benchmark::State& state)
{
    render(state, "--set decay=20% --tail auto");
}
void BM_FixedTail3s_Default(benchmark::State& state)
{
    render(state, "");
}
void BM_AutoTail_Default(benchmark::State& state)
{
    render(state, "--tail auto");
}
} // namespace

BENCHMARK(BM_FixedTail3s_Decay20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_AutoTail_Decay20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_FixedTail3s_Default)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_AutoTail_Default)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

int main(int argc, char** argv)
{
    folder = std::filesystem::temp_directory_path() /
             ("chordwell-bench-tails-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    setenv("ORL_CHORDWELL_STORE_DIR", folder.c_str(), 1);
    const std::string make =
        "sox -n -r 48000 -b 24 -c 2 " + quoted(folder / "in.wav") + " synth 1 pinknoise gain -6";
    if (std::system(make.c_str()) != 0)
    {
        std::fprintf(stderr, "bench_host_tails: sox is needed to make the input file\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
