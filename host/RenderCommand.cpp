#include "RenderCommand.h"

#include "AudioFile.h"
#include "DemoSignal.h"
#include "EngineRenderer.h"
#include "ParameterArgs.h"
#include "Progress.h"
#include "RenderLoop.h"

#include <FactoryPresets.h>
#include <ParameterTable.h>

#include <cmath>
#include <cstdio>

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

const char* layoutName(Layout layout)
{
    switch (layout)
    {
    case Layout::Mono:
        return "mono";
    case Layout::Stereo:
        return "stereo";
    case Layout::MonoStereo:
        return "mono-stereo";
    }
    return "?";
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
}

int runRender(const RenderOptions& options)
{
    // Everything the command line says is checked before any file is touched.
    float values[chordwell::kPublicSlotCount];
    for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
        values[slot] = static_cast<float>(getParameterDefault(slot));
    if (!options.preset.empty())
    {
        const auto preset = parsePresetArg(options.preset);
        if (!preset)
            return refuse("unknown preset '" + options.preset + "' (use 0-9 or a name)");
        double presetValues[chordwell::kPublicSlotCount];
        getFactoryPreset(*preset, presetValues, nullptr);
        for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
            values[slot] = static_cast<float>(presetValues[slot]);
    }
    if (hasPresetSource(options.presetSource))
    {
        std::string error;
        if (!options.preset.empty())
            return refuse("use either --preset or a preset or bank file, not both");
        if (!loadPresetSource(options.presetSource, values, error))
            return refuse(error);
    }
    for (const std::string& set : options.sets)
    {
        std::string error;
        const auto assignment = parseSlotAssignment(set, error);
        if (!assignment)
            return refuse(error);
        values[assignment->first] = static_cast<float>(assignment->second);
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

    EngineRenderer renderer(*layout, input.sampleRate);
    for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
        renderer.setParameter(slot, values[slot]);
    renderer.setMasterBypass(options.masterBypass);

    RenderRequest request;
    request.layout = *layout;
    request.tailSeconds = options.tailSeconds;
    request.blockFrames = static_cast<uint32_t>(options.blockFrames);
    const double seconds =
        static_cast<double>(input.frames()) / input.sampleRate + options.tailSeconds;
    ProgressBar bar(seconds > 1.0);
    const AudioBuffer output =
        renderThrough(renderer, input, request, [&bar](double done) { bar.update(done); });

    std::string error;
    if (!writeFloatWav(outPath, output, error))
        return fail(error);
    std::printf("wrote %s: %zu frames, %d Hz, %s%s\n", outPath.c_str(), output.frames(),
                static_cast<int>(input.sampleRate), layoutName(*layout),
                hasInput ? "" : " (built-in demo)");
    std::printf("input peak:  %s\noutput peak: %s\n", decibels(renderer.inputPeak()).c_str(),
                decibels(renderer.outputPeak()).c_str());
    return 0;
}
