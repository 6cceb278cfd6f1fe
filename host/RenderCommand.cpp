#include "RenderCommand.h"

#include "AudioFile.h"
#include "AutomationArg.h"
#include "BinaryFile.h"
#include "DemoSignal.h"
#include "ParameterArgs.h"
#include "PluginRenderer.h"
#include "PresetSources.h"
#include "PresetState.h"
#include "Progress.h"
#include "RenderLoop.h"

#include <ParameterTable.h>
#include <PresetBank.h>

#include <cmath>
#include <cstdio>

namespace
{
constexpr int kFailed = 1;
constexpr int kRefused = 2;
// A state chunk is a few kilobytes; anything near this is not one.
constexpr size_t kMaxStateFile = 1 << 20;

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

} // namespace

void addRenderOptions(CLI::App& command, RenderOptions& options)
{
    command
        .add_option("files", options.files,
                    "[IN] OUT.wav: input audio file (optional; "
                    "the built-in demo without it) and output WAV")
        ->required()
        ->expected(1, 2);
    command.add_option("--layout", options.layout, "mono | stereo | mono-stereo");
    command.add_option("--preset", options.preset, "factory preset: 0-9 or its name");
    addPresetSourceOptions(command, options.presetSource);
    command.add_option("--set", options.sets, "SLOT=VALUE, normalized 0..1 (repeatable)")
        ->allow_extra_args(false);
    command.add_option("--tail", options.tailSeconds, "seconds of silence after the input")
        ->capture_default_str();
    command.add_option("--block", options.blockFrames, "frames per block")->capture_default_str();
    command.add_flag("--master-bypass", options.masterBypass,
                     "copy input to output as the host's bypass does");
    command.add_option("--plugin", options.plugin,
                       "plug-in library (default: ORLChordwell.so beside chordwell-host)");
    command.add_option("--state-in", options.stateIn,
                       "restore the plug-in's state chunk 'All ' from this file first");
    command.add_option("--state-out", options.stateOut,
                       "save the plug-in's state chunk 'All ' to this file at the end");
    command.add_option("--automate", options.automations,
                       "SLOT@SECONDS=VALUE: host automation at that time (repeatable)");
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
    // Presets reach the plug-in as a state chunk, the way a host restores a project.
    std::vector<uint8_t> state;
    if (preset)
    {
        state = factoryPresetChunk(*preset);
    }
    else if (hasPresetSource(options.presetSource))
    {
        std::string error;
        PresetBank bank(nullptr, false);
        if (!loadPresetSourceBank(options.presetSource, bank, error))
            return refuse(error);
        state = stateChunkOf(bank);
    }
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
    // The engine's denormal guard restarts with each block and alternates sign every frame,
    // so only even block lengths give the same output whatever the length.
    if (options.blockFrames < 2 || options.blockFrames > 1048576 || options.blockFrames % 2 != 0)
        return refuse("--block must be an even number of frames from 2 to 1048576");

    if (!options.stateIn.empty())
    {
        std::string error;
        if (!readBinaryFile(options.stateIn, state, kMaxStateFile, error))
            return fail(error);
    }
    const bool hasInput = options.files.size() == 2;
    const std::string& outPath = options.files.back();
    AudioBuffer input;
    if (hasInput)
    {
        std::string error;
        if (!readAudioFile(options.files.front(), input, error))
            return fail(error);
    }
    else
    {
        input = makeDemoSignal();
    }
    if (!layout)
        layout = input.channels.size() == 1 ? Layout::Mono : Layout::Stereo;
    const double seconds =
        static_cast<double>(input.frames()) / input.sampleRate + options.tailSeconds;
    for (const AutomationPoint& point : automation)
        if (point.seconds >= seconds)
            return refuse("--automate at " + std::to_string(point.seconds) +
                          " s lies beyond the rendered length");

    try
    {
        PluginLibrary library(pluginPath(options.plugin));
        AudioBuffer output;
        float inputPeak = 0.0f;
        float outputPeak = 0.0f;
        {
            PluginRenderer renderer(library, *layout, input.sampleRate);
            if (!state.empty() || !options.stateIn.empty())
            {
                const AAX_Result restored = renderer.restoreState(state);
                if (restored != AAX_SUCCESS)
                    return fail("the plug-in refused the state: " + std::to_string(restored) +
                                " (" + AAX_ResultName(restored) + ")");
            }
            for (const auto& [slot, value] : sets)
                renderer.setParameter(slot, value);
            for (const AutomationPoint& point : automation)
                renderer.scheduleParameter(
                    point.slot, static_cast<uint64_t>(std::floor(point.seconds * input.sampleRate)),
                    static_cast<float>(point.value));
            if (options.masterBypass)
                renderer.setMasterBypass(true);

            RenderRequest request;
            request.layout = *layout;
            request.tailSeconds = options.tailSeconds;
            request.blockFrames = static_cast<uint32_t>(options.blockFrames);
            ProgressBar bar(seconds > 1.0);
            output =
                renderThrough(renderer, input, request, [&bar](double done) { bar.update(done); });
            inputPeak = renderer.inputPeak();
            outputPeak = renderer.outputPeak();

            if (!options.stateOut.empty())
            {
                std::vector<uint8_t> state;
                const AAX_Result saved = renderer.saveState(state);
                std::string error;
                if (saved != AAX_SUCCESS)
                    return fail("the plug-in gave no state: " + std::to_string(saved) + " (" +
                                AAX_ResultName(saved) + ")");
                if (!writeBinaryFile(options.stateOut, state, error))
                    return fail(error);
            }
        }
        std::string error;
        if (!writeFloatWav(outPath, output, error))
            return fail(error);
        std::printf("wrote %s: %zu frames, %d Hz, %s%s\n", outPath.c_str(), output.frames(),
                    static_cast<int>(input.sampleRate), layoutName(*layout),
                    hasInput ? "" : " (built-in demo)");
        std::printf("input peak:  %s\noutput peak: %s\n", decibels(inputPeak).c_str(),
                    decibels(outputPeak).c_str());
        return 0;
    }
    catch (const HostError& e)
    {
        return fail(e.what());
    }
}
