#include "RenderCommand.h"

#include "OptionChecks.h"
#include "ParameterArgs.h"
#include "aax_host/PluginLibrary.h"
#include "render/PresetSources.h"

namespace
{
// The files, and the options that render many of them at once.
void addFileOptions(CLI::App& command, RenderOptions& options)
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
}

// What the plug-in is set to and how the render runs.
void addSettingOptions(CLI::App& command, RenderOptions& options)
{
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
} // namespace

void addRenderOptions(CLI::App& command, RenderOptions& options)
{
    addFileOptions(command, options);
    addSettingOptions(command, options);
}
