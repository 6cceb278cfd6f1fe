#include "RenderCommand.h"

#include "AutomationArg.h"
#include "BatchRender.h"
#include "CommandExit.h"
#include "OptionChecks.h"
#include "ParameterArgs.h"
#include "Progress.h"
#include "audio/AudioFile.h"
#include "audio/ChannelPeaks.h"
#include "audio/DemoSignal.h"
#include "audio/OutputFile.h"
#include "render/PluginRenderer.h"
#include "render/PresetSources.h"
#include "render/PresetState.h"
#include "render/RenderLoop.h"
#include "render/SessionState.h"

#include <FactoryPresets.h>
#include <ParameterTable.h>
#include <PresetBank.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
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

// How much of the end a render's closing level covers, and the levels the warnings name.
constexpr double kEndSeconds = 0.05;
constexpr float kSilence = 1e-7f;      // -140 dBFS
constexpr float kStillRinging = 1e-3f; // -60 dBFS

std::string decibels(float peak)
{
    if (!(peak > 0.0f))
        return "-inf dBFS";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f dBFS", 20.0 * std::log10(static_cast<double>(peak)));
    return text;
}

// What the render started from, in the words the user gave.
std::string presetText(const RenderOptions& options, std::optional<int> preset)
{
    if (preset)
    {
        char name[32];
        getFactoryPreset(*preset, nullptr, name);
        return "factory " + std::to_string(*preset) + " \"" + name + "\"";
    }
    if (!options.presetSource.presetFile.empty())
        return "file " + options.presetSource.presetFile;
    if (!options.presetSource.bankFile.empty())
        return "bank " + options.presetSource.bankFile +
               (options.presetSource.bankPreset
                    ? " preset " + std::to_string(*options.presetSource.bankPreset)
                    : std::string());
    if (!options.stateIn.empty())
        return "state " + options.stateIn;
    return "the plug-in's default";
}

// The eight values the plug-in holds, in the panel's texts ("Mix 60.0 %").
std::string valuesText(EffectInstance& instance)
{
    double values[chordwell::kPublicSlotCount] = {};
    for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
        instance.parametersObject().GetParameterNormalizedValue(getParameterIdentifier(slot),
                                                                &values[slot]);
    return slotValuesText(values);
}

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

// "-0.52 dBFS" and, for more than one channel, each channel's ("1: -0.52, 2: -1.10").
std::string peaksText(const ChannelPeaks& peaks)
{
    std::string text = decibels(peaks.overall());
    if (peaks.channels().size() < 2)
        return text;
    text += " (";
    for (size_t c = 0; c < peaks.channels().size(); ++c)
    {
        std::string level = decibels(peaks.channels()[c]);
        level.resize(level.size() - 5); // without " dBFS"
        text += (c == 0 ? "" : ", ") + std::to_string(c + 1) + ": " + level;
    }
    return text + ")";
}

// What the levels of a finished render mean for the user, on stderr.
void warnAboutLevels(const ChannelPeaks& output, double tailSeconds, bool autoTailCut)
{
    const float peak = output.overall();
    if (peak > 1.0f)
        report(stderr,
               "chordwell-host render: warning: the output passes 0 dBFS (peak %s); it "
               "clips in a fixed-point file: lower Output (--set output=...dB)\n",
               decibels(peak).c_str());
    if (!(peak > kSilence))
        report(stderr, "chordwell-host render: warning: the output is silent\n");
    else if (autoTailCut)
        report(stderr,
               "chordwell-host render: warning: --tail auto stopped at its bound of %g s "
               "while the output was still at %s\n",
               kAutoTailSeconds, decibels(output.recent()).c_str());
    else if (tailSeconds >= 0.0 && output.recent() > kStillRinging)
        report(stderr,
               "chordwell-host render: warning: the output is still at %s at its end "
               "(%.3g s of tail); --tail auto renders until it dies away\n",
               decibels(output.recent()).c_str(), tailSeconds);
}
} // namespace

void addRenderOptions(CLI::App& command, RenderOptions& options)
{
    command.footer(
        "Values are in the panel's units or normalized 0..1:\n" + slotRangesText() +
        "\n\nExamples:\n"
        "  chordwell-host render --preset 3 --set mix=60% take1.wav take1-wet.wav\n"
        "  chordwell-host render --set \"decay time=80%\" --set transpose=-12st --tail auto "
        "take1.wav wet.flac\n"
        "  chordwell-host render --set output=-6dB --format pcm16 take1.wav wet16.wav\n"
        "  chordwell-host render --automate decay@2.5=100% --automate bypass@8=on in.wav out.wav\n"
        "  chordwell-host render --output-dir wet --suffix -wet -j 4 takes/*.wav\n"
        "  chordwell-host render --output-dir wet --format flac takes/");
    command
        .add_option("files", options.files,
                    "input audio file (optional; the built-in demo without it) and output WAV "
                    "or FLAC")
        ->required()
        ->expected(1, CLI::detail::expected_max_vector_size)
        ->option_text("[IN] OUT | --output-dir DIR IN...");
    command
        .add_option("--output-dir", options.outputDir,
                    "render every IN (a folder: the audio files in it) into DIR, same name")
        ->check(nonEmptyWord());
    command.add_option("--suffix", options.suffix,
                       "with --output-dir: added to each name (take1.wav -> take1-wet.wav)");
    command
        .add_option("-j,--jobs", options.jobs,
                    "with --output-dir: files rendered at once (default: one per core)")
        ->check(CLI::Range(1, 256));
    command.add_flag("--demo", options.demo,
                     "render the built-in demo into OUT, also over a file that is there");
    command.add_option("--layout", options.layout, "mono | stereo | mono-stereo")
        ->check(nonEmptyWord());
    command
        .add_option("--preset", options.preset,
                    "factory preset: 0-9 or its name (`chordwell-host presets` lists them)")
        ->check(nonEmptyWord());
    addPresetSourceOptions(command, options.presetSource);
    // Repeatable options take one value per occurrence, never the files after them.
    command
        .add_option("--set", options.sets,
                    "SLOT=VALUE (repeatable): the user's own edit, kept in --state-out; VALUE "
                    "in the panel's unit (mix=60%, output=-6dB, transpose=-12st, tune=+10c, "
                    "bypass=on) or normalized 0..1")
        ->allow_extra_args(false);
    command
        .add_option_function<std::string>(
            "--tail",
            [&options](const std::string& text)
            {
                options.tailAuto = text == "auto";
                if (!options.tailAuto)
                    options.tailSeconds = parseDecimal(text).value_or(-1.0);
            },
            "seconds of silence after the input (default 3), or auto: until the output stays "
            "below -90 dBFS for 0.5 s, at most 120 s")
        ->check(CLI::Validator(
            [](std::string& text)
            {
                return text == "auto" || parseDecimal(text)
                           ? std::string()
                           : "must be a plain decimal number or auto";
            },
            "", "SECONDS|auto"))
        ->type_name("SECONDS|auto");
    command
        .add_option("--block", options.blockFrames,
                    "frames per block, 1 or more; even sizes give output that does not depend "
                    "on the block length")
        ->capture_default_str();
    command
        .add_option("--format", options.format,
                    "float32 (default) | pcm24 | pcm16 (dithered) | flac; an OUT named .flac "
                    "is FLAC without it")
        ->check(nonEmptyWord());
    command.add_flag("--master-bypass", options.masterBypass,
                     "copy input to output as the host's bypass does");
    command.add_option("--plugin", options.plugin, pluginOptionHelp())->check(nonEmptyWord());
    command
        .add_option("--state-in", options.stateIn,
                    "restore the plug-in's state (every chunk of a state file, or an old "
                    "'All ' chunk file) first")
        ->check(nonEmptyWord());
    command
        .add_option("--state-out", options.stateOut,
                    "save every chunk of the plug-in's state to this file at the end")
        ->check(nonEmptyWord());
    command
        .add_option("--automate", options.automations,
                    "SLOT@SECONDS=VALUE: host automation at that time (repeatable), VALUE as "
                    "for --set (decay@2.5=80%)")
        ->allow_extra_args(false);
}

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
    // Everything the command line says is checked before any file is touched.
    std::optional<int> preset;
    if (!options.preset.empty())
    {
        std::string error;
        preset = parsePresetArg(options.preset, &error);
        if (!preset)
            return refuse("render", error);
    }
    if (hasPresetSource(options.presetSource) && preset)
        return refuse("render", "use either --preset or a preset or bank file, not both");
    if ((preset || hasPresetSource(options.presetSource)) && !options.stateIn.empty())
        return refuse("render", "--state-in sets the whole state; use it without presets");
    std::vector<std::pair<int, float>> sets;
    for (const std::string& set : options.sets)
    {
        std::string error;
        const auto assignment = parseSlotAssignment(set, error);
        if (!assignment)
            return refuse("render", error);
        sets.emplace_back(assignment->first, static_cast<float>(assignment->second));
    }
    std::vector<AutomationPoint> automation;
    for (const std::string& text : options.automations)
    {
        std::string error;
        const auto point = parseAutomationArg(text, error);
        if (!point)
            return refuse("render", error);
        automation.push_back(*point);
    }
    std::optional<Layout> layout;
    if (!options.layout.empty())
    {
        layout = parseLayout(options.layout);
        if (!layout)
            return refuse("render", "unknown layout '" + options.layout +
                                        "' (use mono, stereo or mono-stereo)");
    }
    if (!std::isfinite(options.tailSeconds) || options.tailSeconds < 0.0 ||
        options.tailSeconds > 3600.0)
        return refuse("render", "--tail must be between 0 and 3600 seconds");
    if (options.blockFrames < 1 || options.blockFrames > 1048576)
        return refuse("render", "--block must be from 1 to 1048576 frames");

    // No output may be one of the inputs: the render would destroy what it reads.
    const bool hasInput = options.files.size() == 2;
    const std::string& outPath = options.files.back();
    std::string formatError;
    const std::optional<OutputFormat> format =
        chooseOutputFormat(options.format, outPath, formatError);
    if (!format)
        return refuse("render", formatError);
    std::vector<std::pair<std::string, std::string>> inputs;
    if (hasInput)
        inputs.emplace_back("IN", options.files.front());
    if (!options.stateIn.empty())
        inputs.emplace_back("--state-in", options.stateIn);
    if (!options.presetSource.presetFile.empty())
        inputs.emplace_back("--preset-file", options.presetSource.presetFile);
    if (!options.presetSource.bankFile.empty())
        inputs.emplace_back("--bank-file", options.presetSource.bankFile);
    inputs.emplace_back("the plug-in library", pluginPath(options.plugin));
    std::vector<std::pair<std::string, std::string>> outputs = {{"OUT", outPath}};
    if (!options.stateOut.empty())
        outputs.emplace_back("--state-out", options.stateOut);
    for (const auto& [outName, out] : outputs)
        for (const auto& [inName, in] : inputs)
            if (sameFile(out, in))
                return refuse("render", outName + " '" + out + "' is the same file as " + inName +
                                            " '" + in + "'");
    if (outputs.size() == 2 &&
        (outputs[0].second == outputs[1].second || sameFile(outputs[0].second, outputs[1].second)))
        return refuse("render", "OUT and --state-out name the same file");
    if (hasInput && options.demo)
        return refuse("render", "--demo renders the built-in demo: give OUT alone");
    // A lone file that is there is most likely the input the user meant to process.
    if (!hasInput && !options.demo && isExistingFile(outPath))
        return refuse("render",
                      "'" + outPath +
                          "' is there already; to process it, give an output too: render '" +
                          outPath + "' OUT.wav; to render the built-in demo over it, add --demo");

    // Presets reach the plug-in as a state chunk, the way a host restores a project.
    std::vector<statefile::Chunk> state;
    if (preset)
    {
        state.push_back({statefile::kBankChunk, factoryPresetChunk(*preset)});
    }
    else if (hasPresetSource(options.presetSource))
    {
        std::string error;
        bool unreadable = false;
        PresetBank bank(nullptr, false);
        if (!loadPresetSourceBank(options.presetSource, bank, error, &unreadable))
            return unreadable ? fail("render", error) : refuse("render", error);
        state.push_back({statefile::kBankChunk, stateChunkOf(bank)});
    }

    try
    {
        if (!options.stateIn.empty())
            state = readStateFile(options.stateIn);

        AudioReader reader;
        AudioBuffer demo;
        std::unique_ptr<FrameSource> source;
        double rate = 48000.0;
        uint64_t inputFrames = 0;
        int inputChannelCount = 2;
        if (hasInput)
        {
            std::string error;
            if (!reader.open(options.files.front(), error))
                return reader.contentRefused() ? refuse("render", error) : fail("render", error);
            source = std::make_unique<ReaderSource>(reader);
            rate = reader.sampleRate();
            inputFrames = reader.frames();
            inputChannelCount = reader.channels();
        }
        else
        {
            demo = makeDemoSignal();
            source = std::make_unique<BufferSource>(demo);
            rate = demo.sampleRate;
            inputFrames = demo.frames();
            inputChannelCount = static_cast<int>(demo.channels.size());
        }
        if (!layout)
            layout = inputChannelCount == 1 ? Layout::Mono : Layout::Stereo;
        if (inputChannelCount == 2 && inputChannels(*layout) == 1)
            report(stderr,
                   "chordwell-host render: the %s layout takes one input channel: channel "
                   "1 of the input is left out\n",
                   layoutName(*layout));
        const double tailBound = options.tailAuto ? kAutoTailSeconds : options.tailSeconds;
        const auto tailFrames = static_cast<uint64_t>(std::llround(tailBound * rate));
        const uint64_t totalFrames = inputFrames + tailFrames;
        const double seconds = static_cast<double>(totalFrames) / rate;
        if (totalFrames * static_cast<uint64_t>(outputChannels(*layout)) * 4 > kMaxWavDataBytes)
            return refuse("render",
                          "the render would be " + std::to_string(totalFrames) +
                              " frames, more than a WAV file holds; shorten --tail or the input");
        for (const AutomationPoint& point : automation)
            if (point.seconds >= seconds)
                return refuse("render", "--automate at " + std::to_string(point.seconds) +
                                            " s lies beyond the rendered length");

        std::unique_lock<std::mutex> turn(instanceTurn);
        PluginLibrary library(pluginPath(options.plugin));
        std::string inputPeaks;
        std::string outputPeaks;
        std::optional<ChannelPeaks> outputLevels;
        uint64_t writtenFrames = 0;
        bool autoTailCut = false;
        std::string startValues;
        {
            PluginRenderer renderer(library, *layout, rate);
            const TurnAtEnd takeTurnBack{turn};
            if (!state.empty())
                restoreStateChunks(renderer.instance(), state);
            for (const auto& [slot, value] : sets)
                renderer.editParameter(slot, value);
            for (const AutomationPoint& point : automation)
                renderer.scheduleParameter(point.slot,
                                           static_cast<uint64_t>(std::floor(point.seconds * rate)),
                                           static_cast<float>(point.value));
            if (options.masterBypass)
                renderer.setMasterBypass(true);
            // What the first block would deliver, delivered now so the values can be read.
            renderer.instance().deliverUpdates();
            startValues = valuesText(renderer.instance());
            turn.unlock();

            RenderRequest request;
            request.layout = *layout;
            request.tailSeconds = options.tailSeconds;
            request.blockFrames = static_cast<uint32_t>(options.blockFrames);
            WavWriter writer;
            std::string error;
            if (!writer.open(outPath, rate, outputChannels(*layout), error, *format))
                return fail("render", error);
            WriterSink sink(writer, outputChannels(*layout), rate);
            if (options.tailAuto)
                sink.endAfterQuiet(
                    inputFrames, static_cast<uint64_t>(std::llround(kAutoTailQuietSeconds * rate)));
            MeasuredSource measuredSource(*source);
            ProgressBar bar(seconds > 1.0 && !reportCaptured());
            if (!renderStream(renderer, measuredSource, inputFrames, tailFrames, request, sink,
                              [&bar](double done) { bar.update(done); }))
                return fail("render", "cannot write '" + outPath + "': " + writer.writeFailure());
            inputPeaks = peaksText(measuredSource.measured());
            outputPeaks = peaksText(sink.measured());
            outputLevels = sink.measured();
            writtenFrames = sink.frames();
            autoTailCut = options.tailAuto && !sink.finished();

            // Both files are complete on disk before either is put in place, so that a failed
            // render leaves neither and a kill can fall only between the two renames. The
            // audio comes last: it is what the command makes, and a file that is not newer
            // than its inputs tells a rerun (make, a batch script) that it is not done.
            if (!writer.prepare(error))
                return fail("render", error);
            if (!options.stateOut.empty() &&
                !writeOutputFile(options.stateOut,
                                 statefile::encode(saveStateChunks(renderer.instance())), error))
                return fail("render", error);
            if (!writer.commit(error))
                return fail("render", error);
        }
        report(stdout, "wrote %s: %llu frames, %d Hz, %s, %s%s\n", outPath.c_str(),
               static_cast<unsigned long long>(writtenFrames), static_cast<int>(rate),
               layoutName(*layout), outputFormatName(*format), hasInput ? "" : " (built-in demo)");
        report(stdout, "preset: %s\nvalues: %s\n", presetText(options, preset).c_str(),
               startValues.c_str());
        report(stdout, "input peak:  %s\noutput peak: %s\n", inputPeaks.c_str(),
               outputPeaks.c_str());
        flushReport();
        warnAboutLevels(*outputLevels, options.tailAuto ? -1.0 : options.tailSeconds, autoTailCut);
        return 0;
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
