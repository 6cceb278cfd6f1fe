#include "RenderCommand.h"

#include "BatchRender.h"
#include "CommandExit.h"
#include "Progress.h"
#include "RenderChecks.h"
#include "RenderSummary.h"
#include "audio/AudioFile.h"
#include "audio/ChannelPeaks.h"
#include "audio/DemoSignal.h"
#include "audio/OutputFile.h"
#include "render/PluginRenderer.h"
#include "render/RenderLoop.h"
#include "render/SessionState.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace
{
// Renders on several threads take turns to make, set up and unmake the plug-in's instance
// (and to load and unload its library): a host does those on one thread.
std::mutex instanceTurn;

// Takes the turn back when the render's scope ends, so that the instance declared before it
// is unmade within the turn, whichever way the scope is left.
struct TurnAtEnd
{
    std::unique_lock<std::mutex>& turn;
    ~TurnAtEnd()
    {
        if (!turn.owns_lock())
            turn.lock();
    }
};

// How much of the end a render's closing level covers.
constexpr double kEndSeconds = 0.05;

class ReaderSource final : public FrameSource
{
  public:
    explicit ReaderSource(AudioReader& reader) : reader(reader) {}
    int channels() const override { return reader.channels(); }
    size_t read(float* interleaved, size_t frames) override
    {
        return reader.read(interleaved, frames);
    }

  private:
    AudioReader& reader;
};

// A source whose frames are measured as they pass.
class MeasuredSource final : public FrameSource
{
  public:
    explicit MeasuredSource(FrameSource& inner) : inner(inner), peaks(inner.channels(), 1) {}
    int channels() const override { return inner.channels(); }
    size_t read(float* interleaved, size_t frames) override
    {
        const size_t got = inner.read(interleaved, frames);
        peaks.add(interleaved, got);
        return got;
    }
    const ChannelPeaks& measured() const { return peaks; }

  private:
    FrameSource& inner;
    ChannelPeaks peaks;
};

// Writes the output and measures it. With a quiet run set, it takes frames until the tail
// (from frame tailStart on) has stayed below kQuiet for that many frames in a row, so that
// where an automatic tail ends does not depend on the block length.
class WriterSink final : public FrameSink
{
  public:
    WriterSink(WavWriter& writer, int channels, double rate)
        : writer(writer), channelCount(static_cast<size_t>(channels)),
          peaks(channels, static_cast<size_t>(std::max(1.0, rate * kEndSeconds)))
    {
    }
    void endAfterQuiet(uint64_t tailStart, uint64_t quietFrames)
    {
        quietFrom = tailStart;
        quietNeeded = std::max<uint64_t>(1, quietFrames);
    }
    bool write(const float* interleaved, size_t frames) override
    {
        size_t taken = frames;
        if (quietNeeded > 0)
            for (size_t i = 0; i < frames; ++i)
            {
                if (written + i < quietFrom)
                    continue;
                float level = 0.0f;
                for (size_t c = 0; c < channelCount; ++c)
                    level = std::max(level, std::fabs(interleaved[i * channelCount + c]));
                quietRun = level < kQuiet ? quietRun + 1 : 0;
                if (quietRun >= quietNeeded)
                {
                    taken = i + 1;
                    done = true;
                    break;
                }
            }
        peaks.add(interleaved, taken);
        written += taken;
        return writer.write(interleaved, taken);
    }
    bool finished() const override { return done; }
    const ChannelPeaks& measured() const { return peaks; }
    uint64_t frames() const { return written; }

  private:
    static constexpr float kQuiet = 3.1622776e-5f; // -90 dBFS
    WavWriter& writer;
    size_t channelCount;
    ChannelPeaks peaks;
    uint64_t written = 0;
    uint64_t quietFrom = 0;
    uint64_t quietNeeded = 0; // 0: every frame offered
    uint64_t quietRun = 0;
    bool done = false;
};

// Where the frames come from: the input file or the built-in demo. Stays where it was made:
// the source reads from the reader or the demo beside it.
struct RenderInput
{
    AudioReader reader;
    AudioBuffer demo;
    std::unique_ptr<FrameSource> source;
    double rate = 48000.0;
    uint64_t frames = 0;
    int channels = 2;
};

// Opens the input; the exit status when it cannot be read.
std::optional<int> openInput(const RenderOptions& options, bool hasInput, RenderInput& input)
{
    if (hasInput)
    {
        std::string error;
        if (!input.reader.open(options.files.front(), error))
            return input.reader.contentRefused() ? refuse("render", error) : fail("render", error);
        input.source = std::make_unique<ReaderSource>(input.reader);
        input.rate = input.reader.sampleRate();
        input.frames = input.reader.frames();
        input.channels = input.reader.channels();
    }
    else
    {
        input.demo = makeDemoSignal();
        input.source = std::make_unique<BufferSource>(input.demo);
        input.rate = input.demo.sampleRate;
        input.frames = input.demo.frames();
        input.channels = static_cast<int>(input.demo.channels.size());
    }
    return std::nullopt;
}

// What a finished render measured, for its report.
struct RenderResult
{
    std::string inputPeaks;
    std::string outputPeaks;
    std::optional<ChannelPeaks> outputLevels;
    uint64_t writtenFrames = 0;
    bool autoTailCut = false;
    std::string startValues;
};

// Sets the plug-in up in the instance turn, renders the input through it into OUT and puts
// the files in place. The exit status when it failed.
std::optional<int> renderThroughPlugin(const RenderOptions& options, const CheckedRender& checked,
                                       RenderInput& input, uint64_t tailFrames, double seconds,
                                       RenderResult& result)
{
    const Layout layout = *checked.layout;
    const double rate = input.rate;
    const std::string& outPath = options.files.back();
    std::unique_lock<std::mutex> turn(instanceTurn);
    PluginLibrary library(pluginPath(options.plugin));
    PluginRenderer renderer(library, layout, rate);
    const TurnAtEnd takeTurnBack{turn};
    if (!checked.state.empty())
        restoreStateChunks(renderer.instance(), checked.state);
    for (const auto& [slot, value] : checked.sets)
        renderer.editParameter(slot, value);
    for (const AutomationPoint& point : checked.automation)
        renderer.scheduleParameter(point.slot,
                                   static_cast<uint64_t>(std::floor(point.seconds * rate)),
                                   static_cast<float>(point.value));
    if (options.masterBypass)
        renderer.setMasterBypass(true);
    // What the first block would deliver, delivered now so the values can be read.
    renderer.instance().deliverUpdates();
    result.startValues = valuesText(renderer.instance());
    turn.unlock();

    RenderRequest request;
    request.layout = layout;
    request.tailSeconds = options.tailSeconds;
    request.blockFrames = static_cast<uint32_t>(options.blockFrames);
    WavWriter writer;
    std::string error;
    if (!writer.open(outPath, rate, outputChannels(layout), error, checked.format))
        return fail("render", error);
    WriterSink sink(writer, outputChannels(layout), rate);
    if (options.tailAuto)
        sink.endAfterQuiet(input.frames,
                           static_cast<uint64_t>(std::llround(kAutoTailQuietSeconds * rate)));
    MeasuredSource measuredSource(*input.source);
    ProgressBar bar(seconds > 1.0 && !reportCaptured());
    if (!renderStream(renderer, measuredSource, input.frames, tailFrames, request, sink,
                      [&bar](double done) { bar.update(done); }))
        return fail("render", "cannot write '" + outPath + "': " + writer.writeFailure());
    result.inputPeaks = peaksText(measuredSource.measured());
    result.outputPeaks = peaksText(sink.measured());
    result.outputLevels = sink.measured();
    result.writtenFrames = sink.frames();
    result.autoTailCut = options.tailAuto && !sink.finished();

    // Both files are complete on disk before either is put in place, so that a failed
    // render leaves neither and a kill can fall only between the two renames. The
    // audio comes last: it is what the command makes, and a file that is not newer
    // than its inputs tells a rerun (make, a batch script) that it is not done.
    if (!writer.prepare(error))
        return fail("render", error);
    if (!options.stateOut.empty() &&
        !writeOutputFile(options.stateOut, statefile::encode(saveStateChunks(renderer.instance())),
                         error))
        return fail("render", error);
    if (!writer.commit(error))
        return fail("render", error);
    return std::nullopt;
}

// The render once its command line is checked. Throws what reading the state file or the
// plug-in throws.
int renderChecked(const RenderOptions& options, CheckedRender& checked)
{
    if (!options.stateIn.empty())
        checked.state = readStateFile(options.stateIn);

    RenderInput input;
    if (const auto status = openInput(options, checked.hasInput, input))
        return *status;
    const double rate = input.rate;
    if (!checked.layout)
        checked.layout = input.channels == 1 ? Layout::Mono : Layout::Stereo;
    const Layout layout = *checked.layout;
    if (input.channels == 2 && inputChannels(layout) == 1)
        report(stderr,
               "chordwell-host render: the %s layout takes one input channel: channel "
               "1 of the input is left out\n",
               layoutName(layout));
    const double tailBound = options.tailAuto ? kAutoTailSeconds : options.tailSeconds;
    const auto tailFrames = static_cast<uint64_t>(std::llround(tailBound * rate));
    const uint64_t totalFrames = input.frames + tailFrames;
    const double seconds = static_cast<double>(totalFrames) / rate;
    if (totalFrames * static_cast<uint64_t>(outputChannels(layout)) * 4 > kMaxWavDataBytes)
        return refuse("render", "the render would be " + std::to_string(totalFrames) +
                                    " frames, more than a WAV file holds; shorten --tail or the "
                                    "input");
    for (const AutomationPoint& point : checked.automation)
        if (point.seconds >= seconds)
            return refuse("render", "--automate at " + std::to_string(point.seconds) +
                                        " s lies beyond the rendered length");

    RenderResult result;
    if (const auto status =
            renderThroughPlugin(options, checked, input, tailFrames, seconds, result))
        return *status;
    report(stdout, "wrote %s: %llu frames, %d Hz, %s, %s%s\n", options.files.back().c_str(),
           static_cast<unsigned long long>(result.writtenFrames), static_cast<int>(rate),
           layoutName(layout), outputFormatName(checked.format),
           checked.hasInput ? "" : " (built-in demo)");
    report(stdout, "preset: %s\nvalues: %s\n", presetText(options, checked.preset).c_str(),
           result.startValues.c_str());
    report(stdout, "input peak:  %s\noutput peak: %s\n", result.inputPeaks.c_str(),
           result.outputPeaks.c_str());
    flushReport();
    warnAboutLevels(*result.outputLevels, options.tailAuto ? -1.0 : options.tailSeconds,
                    result.autoTailCut);
    return 0;
}
} // namespace

int runRenderCaptured(const RenderOptions& options, std::string& lines)
{
    const CapturedReport capture(lines);
    return runRender(options);
}

int runRender(const RenderOptions& options)
{
    if (!options.outputDir.empty())
        return runBatchRender(options);
    if (options.files.size() > 2)
        return refuse("render", "more than [IN] OUT: for many files use --output-dir DIR IN...");
    if (!options.suffix.empty() || options.jobs != 0)
        return refuse("render", "--suffix and -j go with --output-dir");
    CheckedRender checked;
    if (const auto status = checkRenderOptions(options, checked))
        return *status;
    try
    {
        return renderChecked(options, checked);
    }
    catch (const RefusedContent& e)
    {
        return refuse("render", e.what());
    }
    catch (const HostError& e)
    {
        return fail("render", e.what());
    }
}
