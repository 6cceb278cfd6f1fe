// `chordwell-host render --output-dir` of 200 one-second stereo files (48 kHz, 24 bit) with
// -j 1 and -j 2; wall time of the whole command, and the speed-up of -j 2.
//   build/release/bench/bench_host_batch
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include <unistd.h>

namespace
{
std::filesystem::path folder;

std::string quoted(const std::filesystem::path& path)
{
    return "'" + path.string() + "'";
}

void batch(benchmark::State& state)
{
    const std::string command = std::string(quoted(ORL_CHORDWELL_HOST)) +
                                " render --tail 0.5 --output-dir " + quoted(folder / "out") +
                                " -j " + std::to_string(state.range(0)) + " " +
                                quoted(folder / "in") + " > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
        {
            state.SkipWithError(("failed: " + command).c_str());
            break;
        }
}

class SpeedUpReporter : public benchmark::ConsoleReporter
{
  public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                seconds[run.benchmark_name()] = run.GetAdjustedRealTime() / 1e3;
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        double one = 0.0, two = 0.0;
        for (const auto& [name, s] : seconds)
            (name.find("/1/") != std::string::npos ? one : two) = s;
        if (one > 0.0 && two > 0.0)
            std::printf("200 files: -j 1 %.2f s, -j 2 %.2f s (speed-up %.2fx)\n", one, two,
                        one / two);
    }

  private:
    std::map<std::string, double> seconds;
};
} // namespace

BENCHMARK(batch)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

int main(int argc, char** argv)
{
    folder = std::filesystem::temp_directory_path() /
             ("chordwell-bench-batch-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "in");
    std::filesystem::create_directories(folder / "out");
    setenv("ORL_CHORDWELL_STORE_DIR", folder.c_str(), 1);
    const std::string first = (folder / "in" / "take000.wav").string();
    if (std::system(
            ("sox -n -r 48000 -b 24 -c 2 '" + first + "' synth 1 pinknoise gain -6").c_str()) != 0)
    {
        std::fprintf(stderr, "bench_host_batch: sox is needed to make the input files\n");
        return 1;
    }
    for (int i = 1; i < 200; ++i)
    {
        char name[32];
        std::snprintf(name, sizeof name, "take%03d.wav", i);
        std::filesystem::copy_file(first, folder / "in" / name);
    }
    benchmark::Initialize(&argc, argv);
    SpeedUpReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
