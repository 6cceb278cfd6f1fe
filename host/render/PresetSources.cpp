#include "PresetSources.h"

#include "cli/OptionChecks.h"

#include <ImageFile.h>
#include <PresetBank.h>
#include <PresetImage.h>

std::string describeLoadFailure(LoadResult result)
{
    switch (result)
    {
    case LoadResult::Loaded:
        return "loaded";
    case LoadResult::Unreadable:
        return "it cannot be read";
    case LoadResult::NotAnImage:
        return "it does not start with an ORL image code";
    case LoadResult::OtherType:
        return "it holds the other kind of image";
    case LoadResult::Refused:
        return "it is damaged or holds a value outside 0..1";
    }
    return "?";
}

namespace
{
void takeValues(const PresetRecord& preset, float* values)
{
    for (int slot = 0; slot < PresetRecord::kValueCount; ++slot)
        values[slot] = preset.values[slot];
}
} // namespace

void addPresetSourceOptions(CLI::App& command, PresetSourceOptions& options)
{
    command.add_option("--preset-file", options.presetFile, "start from a preset file (.orl)")
        ->check(nonEmptyWord());
    command
        .add_option("--bank-file", options.bankFile,
                    "start from a preset of a bank file (.orb): its current one, or "
                    "--bank-preset")
        ->check(nonEmptyWord());
    command.add_option("--bank-preset", options.bankPreset, "preset 0-9 of --bank-file");
}

bool hasPresetSource(const PresetSourceOptions& options)
{
    return !options.presetFile.empty() || !options.bankFile.empty() ||
           options.bankPreset.has_value();
}

bool loadPresetSourceBank(const PresetSourceOptions& options, PresetBank& bank, std::string& error,
                          bool* unreadable)
{
    if (unreadable != nullptr)
        *unreadable = false;
    if (!options.presetFile.empty() && !options.bankFile.empty())
    {
        error = "use either --preset-file or --bank-file, not both";
        return false;
    }
    if (options.bankPreset && options.bankFile.empty())
    {
        error = "--bank-preset needs --bank-file";
        return false;
    }
    if (options.bankPreset && (*options.bankPreset < 0 || *options.bankPreset > 9))
    {
        error = "--bank-preset must be 0-9";
        return false;
    }
    const bool isBank = !options.bankFile.empty();
    const std::string& path = isBank ? options.bankFile : options.presetFile;
    const auto bytes = readImageFile(path, false);
    if (!bytes)
    {
        error = "cannot read '" + path + "' (missing, unreadable or not a regular file)";
        if (unreadable != nullptr)
            *unreadable = true;
        return false;
    }
    if (bytes->size() >= kMaxImageFileBytes || presetimage::hasBytesAfterImage(*bytes))
    {
        error = "'" + path + "' is not a valid " + (isBank ? "bank" : "preset") +
                " file: it has bytes after its image";
        return false;
    }
    const LoadResult result = isBank ? bank.loadBankImage(*bytes) : bank.loadPresetImage(*bytes);
    if (result != LoadResult::Loaded)
    {
        error = "'" + path + "' is not a valid " + (isBank ? "bank" : "preset") +
                " file: " + describeLoadFailure(result);
        return false;
    }
    if (isBank && options.bankPreset)
        bank.selectPreset(*options.bankPreset);
    return true;
}

bool loadPresetSource(const PresetSourceOptions& options, float* values, std::string& error)
{
    PresetBank bank(nullptr, false);
    if (!loadPresetSourceBank(options, bank, error))
        return false;
    takeValues(bank.workingPreset(bank.currentIndex()), values);
    return true;
}
