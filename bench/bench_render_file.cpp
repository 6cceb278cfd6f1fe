// A whole `chordwell-host render` of a 60 s stereo file (48 kHz, 24 bit) against
// `sox IN OUT reverb` on the same file, in the same run; wall time of the whole command. Then
// the render of a five times longer file, and the renders' peak memory: a render streams, so
// its peak stays where the short file's was.
//   build/release/bench/bench_render_file
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

namespace
{
std::filesystem::path folder;

std::string quoted(const std::filesystem::path& path)
{
    return "'" + path.string() + "'";
}

void runCommand(benchmark::State& state, const std::string& command)
{
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
        {
            state.SkipWithError(("failed: " + command).c_str());
            break;
        }
}

// The largest resident set of any child process so far, in MiB.
double childrenPeakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void renderFile(benchmark::State& state, const char* input)
{
    runCommand(state, std::string(quoted(ORL_CHORDWELL_HOST)) + " render " +
                          quoted(folder / input) + " " + quoted(folder / "chordwell.wav") +
                          " > /dev/null");
    state.counters["peak_MiB"] = childrenPeakMiB();
}

void BM_ChordwellHostRender(benchmark::State& state)
{
    renderFile(state, "in.wav");
}

void BM_ChordwellHostRenderLong(benchmark::State& state)
{
    renderFile(state, "long.wav");
}

void BM_SoxReverb(benchmark::State& state)
{
    runCommand(state,
               "sox " + quoted(folder / "in.wav") + " " + quoted(folder / "sox.wav") + " reverb");
}

// Prints, after the usual table, the render's time against sox's.
class RatioReporter : public benchmark::ConsoleReporter
{
  public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                seconds[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / 1e3; // reported in milliseconds
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto render = seconds.find("BM_ChordwellHostRender");
        const auto sox = seconds.find("BM_SoxReverb");
        if (render != seconds.end() && sox != seconds.end())
            std::printf("60 s stereo file: chordwell-host render %.3f s, sox reverb %.3f s "
                        "(render takes %.2fx the time of sox)\n",
                        render->second, sox->second, render->second / sox->second);
    }

  private:
    std::map<std::string, double> seconds;
};
} // namespace

BENCHMARK(BM_ChordwellHostRender)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_SoxReverb)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_ChordwellHostRenderLong)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char** argv)
{
    folder =
        std::filesystem::temp_directory_path() / ("chordwell-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    // The host keeps its settings here, not in the user's store.
    setenv("ORL_CHORDWELL_STORE_DIR", folder.c_str(), 1);
    const std::string make = "sox -n -r 48000 -b 24 -c 2 " + quoted(folder / "in.wav") +
                             " synth 60 pinknoise tremolo 3 60 gain -6 && sox " +
                             quoted(folder / "in.wav") + " " + quoted(folder / "in.wav") + " " +
                             quoted(folder / "in.wav") + " " + quoted(folder / "in.wav") + " " +
                             quoted(folder / "in.wav") + " " + quoted(folder / "long.wav");
    if (std::system(make.c_str()) != 0)
    {
        std::fprintf(stderr, "bench_render_file: sox is needed to make the input file\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
