#include "RenderChecks.h"

#include "CommandExit.h"
#include "ParameterArgs.h"
#include "aax_host/PluginLibrary.h"
#include "audio/OutputFile.h"
#include "render/PresetSources.h"
#include "render/PresetState.h"

#include <PresetBank.h>

#include <cmath>

namespace
{
// The values the options carry, each read and within its bounds.
std::optional<int> checkArguments(const RenderOptions& options, CheckedRender& checked)
{
    if (!options.preset.empty())
    {
        std::string error;
        checked.preset = parsePresetArg(options.preset, &error);
        if (!checked.preset)
            return refuse("render", error);
    }
    if (hasPresetSource(options.presetSource) && checked.preset)
        return refuse("render", "use either --preset or a preset or bank file, not both");
    if ((checked.preset || hasPresetSource(options.presetSource)) && !options.stateIn.empty())
        return refuse("render", "--state-in sets the whole state; use it without presets");
    for (const std::string& set : options.sets)
    {
        std::string error;
        const auto assignment = parseSlotAssignment(set, error);
        if (!assignment)
            return refuse("render", error);
        checked.sets.emplace_back(assignment->first, static_cast<float>(assignment->second));
    }
    for (const std::string& text : options.automations)
    {
        std::string error;
        const auto point = parseAutomationArg(text, error);
        if (!point)
            return refuse("render", error);
        checked.automation.push_back(*point);
    }
    if (!options.layout.empty())
    {
        checked.layout = parseLayout(options.layout);
        if (!checked.layout)
            return refuse("render", "unknown layout '" + options.layout +
                                        "' (use mono, stereo or mono-stereo)");
    }
    if (!std::isfinite(options.tailSeconds) || options.tailSeconds < 0.0 ||
        options.tailSeconds > 3600.0)
        return refuse("render", "--tail must be between 0 and 3600 seconds");
    if (options.blockFrames < 1 || options.blockFrames > 1048576)
        return refuse("render", "--block must be from 1 to 1048576 frames");
    return std::nullopt;
}

// No output may be one of the inputs: the render would destroy what it reads.
std::optional<int> checkFiles(const RenderOptions& options, CheckedRender& checked)
{
    checked.hasInput = options.files.size() == 2;
    const bool hasInput = checked.hasInput;
    const std::string& outPath = options.files.back();
    std::string formatError;
    const std::optional<OutputFormat> format =
        chooseOutputFormat(options.format, outPath, formatError);
    if (!format)
        return refuse("render", formatError);
    checked.format = *format;
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
    return std::nullopt;
}

// Presets reach the plug-in as a state chunk, the way a host restores a project.
std::optional<int> loadPreset(const RenderOptions& options, CheckedRender& checked)
{
    if (checked.preset)
    {
        checked.state.push_back({statefile::kBankChunk, factoryPresetChunk(*checked.preset)});
    }
    else if (hasPresetSource(options.presetSource))
    {
        std::string error;
        bool unreadable = false;
        PresetBank bank(nullptr, false);
        if (!loadPresetSourceBank(options.presetSource, bank, error, &unreadable))
            return unreadable ? fail("render", error) : refuse("render", error);
        checked.state.push_back({statefile::kBankChunk, stateChunkOf(bank)});
    }
    return std::nullopt;
}
} // namespace

std::optional<int> checkRenderOptions(const RenderOptions& options, CheckedRender& checked)
{
    if (const auto status = checkArguments(options, checked))
        return status;
    if (const auto status = checkFiles(options, checked))
        return status;
    return loadPreset(options, checked);
}
