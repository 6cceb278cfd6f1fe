#include "BatchRender.h"

#include "CommandExit.h"
#include "audio/OutputFile.h"
#include "audio/OutputFormat.h"

#include <FileAccess.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include <unistd.h>

namespace fs = std::filesystem;

namespace
{

bool isAudioName(const fs::path& path)
{
    std::string extension = path.extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* audio : {".wav", ".flac", ".aif", ".aiff", ".ogg", ".w64", ".caf", ".au"})
        if (extension == audio)
            return true;
    return false;
}

// The lines of a captured render that belong in its one line: "wrote ..." and warnings.
std::string summaryOf(const std::string& captured)
{
    std::string wrote;
    std::string peak;
    std::string rest;
    size_t start = 0;
    while (start < captured.size())
    {
        size_t end = captured.find('\n', start);
        if (end == std::string::npos)
            end = captured.size();
        const std::string line = captured.substr(start, end - start);
        if (line.rfind("wrote ", 0) == 0)
            wrote = line;
        else if (line.rfind("output peak: ", 0) == 0)
            peak = line.substr(7);
        else if (line.find("warning:") != std::string::npos ||
                 line.rfind("chordwell-host render:", 0) == 0)
            rest += "\n    " + line;
        start = end + 1;
    }
    return wrote + (peak.empty() ? "" : "; " + peak) + rest;
}
} // namespace

std::vector<BatchJob> planBatch(const std::vector<std::string>& inputs,
                                const std::string& outputDir, const std::string& suffix,
                                const std::string& extension, std::string& error)
{
    std::vector<std::string> files;
    for (const std::string& input : inputs)
    {
        std::error_code code;
        const fs::path path = platform::pathFromUtf8(input);
        if (!fs::is_directory(path, code))
        {
            files.push_back(input);
            continue;
        }
        std::vector<std::string> inFolder;
        for (fs::directory_iterator it(path, code), end; !code && it != end; it.increment(code))
            if (it->is_regular_file(code) && isAudioName(it->path()))
                inFolder.push_back(platform::utf8FromPath(it->path()));
        if (code)
        {
            error = "cannot list the folder '" + input + "': " + code.message();
            return {};
        }
        std::sort(inFolder.begin(), inFolder.end());
        files.insert(files.end(), inFolder.begin(), inFolder.end());
    }
    if (files.empty())
    {
        error = "no input files";
        return {};
    }
    std::vector<BatchJob> jobs;
    std::set<std::string> outputs;
    for (const std::string& file : files)
    {
        const fs::path in = platform::pathFromUtf8(file);
        const std::string name = platform::utf8FromPath(in.stem()) + suffix + extension;
        const std::string out = platform::utf8FromPath(platform::pathFromUtf8(outputDir) /
                                                       platform::pathFromUtf8(name));
        if (!outputs.insert(out).second)
        {
            error = "two inputs would both write '" + out +
                    "' (the same name in two folders): use one folder per call or --suffix";
            return {};
        }
        jobs.push_back({file, out});
    }
    for (const BatchJob& job : jobs)
        for (const std::string& file : files)
            if (sameFile(job.output, file))
            {
                error = "'" + job.output + "' would replace the input '" + file +
                        "': choose another --output-dir or a --suffix";
                return {};
            }
    return jobs;
}

namespace
{
// Refuses what a batch cannot do; otherwise sets the outputs' extension, which follows
// --format (FLAC: .flac; any WAV format: .wav). Returns the exit code when refused.
std::optional<int> refusedBatch(const RenderOptions& options, std::string& extension)
{
    extension = ".wav";
    if (!options.format.empty())
    {
        const auto format = parseOutputFormat(options.format);
        if (!format || !isWritableFormat(*format))
            return refuse("render",
                          "--format '" + options.format + "' is not one this build writes");
        if (*format == OutputFormat::Flac)
            extension = ".flac";
    }
    if (!options.stateOut.empty())
        return refuse("render", "--state-out keeps one render's state: render the files one "
                                "at a time for it");
    if (options.demo)
        return refuse("render", "--demo renders the built-in demo: give OUT alone, without "
                                "--output-dir");
    std::error_code code;
    if (!fs::is_directory(platform::pathFromUtf8(options.outputDir), code))
        return refuse("render", "--output-dir '" + options.outputDir + "' is not a folder");
    return std::nullopt;
}

// Renders one file with the batch's options; returns its exit status.
int renderJob(const RenderOptions& options, const BatchJob& job, std::string& captured)
{
    RenderOptions one = options;
    one.files = {job.input, job.output};
    one.outputDir.clear();
    one.suffix.clear();
    one.jobs = 0;
    try
    {
        return runRenderCaptured(one, captured);
    }
    catch (const std::exception& e)
    {
        captured += std::string("chordwell-host render: ") + e.what() + "\n";
        return 1;
    }
}

// The workers' shared tally and their one line per finished file. Any worker thread.
class BatchReport
{
  public:
    explicit BatchReport(size_t total) : total(total) {}

    void finished(const BatchJob& job, int status, const std::string& captured)
    {
        const std::lock_guard<std::mutex> lock(printing);
        ++done;
        if (status != 0)
        {
            ++failed;
            worst = std::max(worst, status);
        }
        std::printf("[%zu/%zu] %s %s: %s\n", done, total, status == 0 ? "done  " : "FAILED",
                    job.input.c_str(), summaryOf(captured).c_str());
        std::fflush(stdout);
        if (progressLine)
            std::fprintf(stderr, "\rrendered %zu of %zu files", done, total);
    }

    // After the workers have ended: the summary line and the exit status.
    int conclude() const
    {
        if (progressLine)
            std::fputs("\n", stderr);
        std::printf("%zu file%s: %zu done, %zu failed\n", total, total == 1 ? "" : "s",
                    total - failed, failed);
        return worst;
    }

  private:
    const size_t total;
    // The lines go to stdout; when that is a file and stderr a terminal, a line there counts
    // the files done (the lines themselves show it when stdout is the terminal).
    const bool progressLine = isatty(STDERR_FILENO) != 0 && isatty(STDOUT_FILENO) == 0;
    std::mutex printing;
    size_t done = 0;
    size_t failed = 0;
    int worst = 0;
};
} // namespace

int runBatchRender(const RenderOptions& options)
{
    std::string extension;
    if (const std::optional<int> refused = refusedBatch(options, extension))
        return *refused;
    std::string error;
    const std::vector<BatchJob> jobs =
        planBatch(options.files, options.outputDir, options.suffix, extension, error);
    if (jobs.empty())
        return refuse("render", error);

    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const auto threads = static_cast<size_t>(options.jobs > 0 ? options.jobs : cores);
    BatchReport report(jobs.size());
    std::atomic<size_t> next{0};
    const auto worker = [&]()
    {
        for (size_t index = next++; index < jobs.size(); index = next++)
        {
            std::string captured;
            const int status = renderJob(options, jobs[index], captured);
            report.finished(jobs[index], status, captured);
        }
    };
    std::vector<std::thread> pool;
    for (size_t i = 1; i < std::min(threads, jobs.size()); ++i)
        pool.emplace_back(worker);
    worker();
    for (std::thread& thread : pool)
        thread.join();
    return report.conclude();
}
