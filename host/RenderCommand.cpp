#include "RenderCommand.h"

#include "AudioFile.h"
#include "AutomationArg.h"
#include "DemoSignal.h"
#include "OptionChecks.h"
#include "OutputFile.h"
#include "ParameterArgs.h"
#include "PluginRenderer.h"
#include "PresetSources.h"
#include "PresetState.h"
#include "Progress.h"
#include "RenderLoop.h"
#include "SessionState.h"

#include <ParameterTable.h>
#include <PresetBank.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{
constexpr int kFailed = 1;
constexpr int kRefused = 2;

int refuse(const std::string& message)
{
    std::fprintf(stderr, "chordwell-host render: %s\n", message.c_str());
    return kRefused;
}

int fail(const std::string& message)
{
    std::fprintf(stderr, "chordwell-host render: %s\n", message.c_str());
    return kFailed;
}

std::string decibels(float peak)
{
    if (!(peak > 0.0f))
        return "-inf dBFS";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f dBFS", 20.0 * std::log10(static_cast<double>(peak)));
    return text;
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

class WriterSink final : public FrameSink
{
  public:
    explicit WriterSink(WavWriter& writer) : writer(writer) {}
    bool write(const float* interleaved, size_t frames) override
    {
        return writer.write(interleaved, frames);
    }

  private:
    WavWriter& writer;
};
} // namespace

void addRenderOptions(CLI::App& command, RenderOptions& options)
{
    command
        .add_option("files", options.files,
                    "[IN] OUT.wav: input audio file (optional; "
                    "the built-in demo without it) and output WAV")
        ->required()
        ->expected(1, 2);
    command.add_flag("--demo", options.demo,
                     "render the built-in demo into OUT, also over a file that is there");
    command.add_option("--layout", options.layout, "mono | stereo | mono-stereo")
        ->check(nonEmptyWord());
    command.add_option("--preset", options.preset, "factory preset: 0-9 or its name")
        ->check(nonEmptyWord());
    addPresetSourceOptions(command, options.presetSource);
    // Repeatable options take one value per occurrence, never the files after them.
    command
        .add_option("--set", options.sets,
                    "SLOT=VALUE, normalized 0..1 (repeatable): the user's own edit, kept in "
                    "--state-out")
        ->allow_extra_args(false);
    command.add_option("--tail", options.tailSeconds, "seconds of silence after the input")
        ->check(decimalNumber())
        ->capture_default_str();
    command
        .add_option("--block", options.blockFrames,
                    "frames per block, 1 or more; even sizes give output that does not depend "
                    "on the block length")
        ->capture_default_str();
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
                    "SLOT@SECONDS=VALUE: host automation at that time (repeatable)")
        ->allow_extra_args(false);
}

int runRender(const RenderOptions& options)
{
    // Everything the command line says is checked before any file is touched.
    std::optional<int> preset;
    if (!options.preset.empty())
    {
        preset = parsePresetArg(options.preset);
        if (!preset)
            return refuse("unknown preset '" + options.preset + "' (use 0-9 or a name)");
    }
    if (hasPresetSource(options.presetSource) && preset)
        return refuse("use either --preset or a preset or bank file, not both");
    if ((preset || hasPresetSource(options.presetSource)) && !options.stateIn.empty())
        return refuse("--state-in sets the whole state; use it without presets");
    std::vector<std::pair<int, float>> sets;
    for (const std::string& set : options.sets)
    {
        std::string error;
        const auto assignment = parseSlotAssignment(set, error);
        if (!assignment)
            return refuse(error);
        sets.emplace_back(assignment->first, static_cast<float>(assignment->second));
    }
    std::vector<AutomationPoint> automation;
    for (const std::string& text : options.automations)
    {
        std::string error;
        const auto point = parseAutomationArg(text, error);
        if (!point)
            return refuse(error);
        automation.push_back(*point);
    }
    std::optional<Layout> layout;
    if (!options.layout.empty())
    {
        layout = parseLayout(options.layout);
        if (!layout)
            return refuse("unknown layout '" + options.layout +
                          "' (use mono, stereo or mono-stereo)");
    }
    if (!std::isfinite(options.tailSeconds) || options.tailSeconds < 0.0 ||
        options.tailSeconds > 3600.0)
        return refuse("--tail must be between 0 and 3600 seconds");
    if (options.blockFrames < 1 || options.blockFrames > 1048576)
        return refuse("--block must be from 1 to 1048576 frames");

    // No output may be one of the inputs: the render would destroy what it reads.
    const bool hasInput = options.files.size() == 2;
    const std::string& outPath = options.files.back();
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
                return refuse(outName + " '" + out + "' is the same file as " + inName + " '" + in +
                              "'");
    if (outputs.size() == 2 &&
        (outputs[0].second == outputs[1].second || sameFile(outputs[0].second, outputs[1].second)))
        return refuse("OUT and --state-out name the same file");
    if (hasInput && options.demo)
        return refuse("--demo renders the built-in demo: give OUT alone");
    // A lone file that is there is most likely the input the user meant to process.
    if (!hasInput && !options.demo && isExistingFile(outPath))
        return refuse("'" + outPath +
                      "' is there already; to process it, give an output too: render '" + outPath +
                      "' OUT.wav; to render the built-in demo over it, add --demo");

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
            return unreadable ? fail(error) : refuse(error);
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
                return reader.contentRefused() ? refuse(error) : fail(error);
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
            std::fprintf(stderr,
                         "chordwell-host render: the %s layout takes one input channel: channel "
                         "1 of the input is left out\n",
                         layoutName(*layout));
        const auto tailFrames = static_cast<uint64_t>(std::llround(options.tailSeconds * rate));
        const uint64_t totalFrames = inputFrames + tailFrames;
        const double seconds = static_cast<double>(totalFrames) / rate;
        if (totalFrames * static_cast<uint64_t>(outputChannels(*layout)) * 4 > kMaxWavDataBytes)
            return refuse("the render would be " + std::to_string(totalFrames) +
                          " frames, more than a WAV file holds; shorten --tail or the input");
        for (const AutomationPoint& point : automation)
            if (point.seconds >= seconds)
                return refuse("--automate at " + std::to_string(point.seconds) +
                              " s lies beyond the rendered length");

        PluginLibrary library(pluginPath(options.plugin));
        float inputPeak = 0.0f;
        float outputPeak = 0.0f;
        {
            PluginRenderer renderer(library, *layout, rate);
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

            RenderRequest request;
            request.layout = *layout;
            request.tailSeconds = options.tailSeconds;
            request.blockFrames = static_cast<uint32_t>(options.blockFrames);
            WavWriter writer;
            std::string error;
            if (!writer.open(outPath, rate, outputChannels(*layout), error))
                return fail(error);
            WriterSink sink(writer);
            ProgressBar bar(seconds > 1.0);
            if (!renderStream(renderer, *source, inputFrames, tailFrames, request, sink,
                              [&bar](double done) { bar.update(done); }))
                return fail("cannot write '" + outPath + "': " + writer.writeFailure());
            inputPeak = renderer.inputPeak();
            outputPeak = renderer.outputPeak();

            // Both files are complete on disk before either is put in place, so that a failed
            // render leaves neither and a kill can fall only between the two renames. The
            // audio comes last: it is what the command makes, and a file that is not newer
            // than its inputs tells a rerun (make, a batch script) that it is not done.
            if (!writer.prepare(error))
                return fail(error);
            OutputFile stateFile;
            if (!options.stateOut.empty())
            {
                const std::vector<uint8_t> bytes =
                    statefile::encode(saveStateChunks(renderer.instance()));
                if (!stateFile.open(options.stateOut, error))
                    return fail(error);
                if (!writeAll(stateFile.descriptor(), bytes.data(), bytes.size()))
                    return fail("cannot write '" + options.stateOut + "': " + std::strerror(errno));
                if (!stateFile.prepare(error) || !stateFile.commit(error))
                    return fail(error);
            }
            if (!writer.commit(error))
                return fail(error);
        }
        std::printf("wrote %s: %llu frames, %d Hz, %s%s\n", outPath.c_str(),
                    static_cast<unsigned long long>(totalFrames), static_cast<int>(rate),
                    layoutName(*layout), hasInput ? "" : " (built-in demo)");
        std::printf("input peak:  %s\noutput peak: %s\n", decibels(inputPeak).c_str(),
                    decibels(outputPeak).c_str());
        return 0;
    }
    catch (const RefusedContent& e)
    {
        return refuse(e.what());
    }
    catch (const HostError& e)
    {
        return fail(e.what());
    }
}
