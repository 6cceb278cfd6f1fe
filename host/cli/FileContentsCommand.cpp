#include "FileContentsCommand.h"

#include "CommandExit.h"
#include "render/PresetSources.h"

#include <BankState.h>
#include <ImageFile.h>
#include <ParameterTable.h>
#include <PresetBank.h>
#include <PresetImage.h>
#include <StateFile.h>
#include <StoredText.h>

#include <nlohmann/json.hpp>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace
{
struct FileContents
{
    bool isBank = false;
    bool isState = false; // a host's state file: the bank and the saved host values
    int32_t current = 0;
    uint32_t extra = 0;
    std::vector<PresetRecord> presets;
    std::vector<statefile::HostValue> hostValues;
};

std::string displayText(int slot, float value)
{
    char text[64] = {};
    getParameterDisplayText(slot, value, text);
    return text;
}

// The float as the shortest decimal that reads back as the same float ("0.6", not
// "0.6000000238418579").
double shortest(float value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text - 1, value).ptr;
    *end = '\0';
    return std::strtod(text, nullptr);
}

// Text as it may be printed on a terminal: control characters (C0, DEL and C1, as code
// points) and the backslash as \xNN, and any byte that is not UTF-8 (a path may hold such) as
// \xNN of that byte, so that no name or path can move the cursor, recolour the screen or fake
// another line.
std::string printable(std::string_view bytes)
{
    std::string text;
    for (size_t at = 0; at < bytes.size();)
    {
        char32_t c = 0;
        size_t length = utf8SequenceAt(bytes, at, c);
        if (length == 0)
        {
            c = static_cast<unsigned char>(bytes[at]);
            length = 1;
        }
        else if (c >= 0x20 && c != 0x7F && c != '\\' && (c < 0x80 || c >= 0xA0))
        {
            text.append(bytes.substr(at, length));
            at += length;
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned>(c));
        text += escaped;
        at += length;
    }
    return text;
}

// A stored name as text (StoredText.h).
std::string nameText(const PresetRecord& preset)
{
    return storedTextAsUtf8({preset.name, strnlen(preset.name, PresetRecord::kNameSize)});
}

const char* typeName(const FileContents& contents)
{
    return contents.isState ? "state" : contents.isBank ? "bank" : "preset";
}

void printText(const std::string& path, const FileContents& contents)
{
    std::printf("file: %s\ntype: %s\n", printable(path).c_str(), typeName(contents));
    if (contents.isBank)
        std::printf("current: %d\n", static_cast<int>(contents.current));
    if (contents.isState)
    {
        std::printf("saved values:\n");
        for (const statefile::HostValue& saved : contents.hostValues)
        {
            const int slot = findParameterSlot(saved.id.c_str());
            if (slot >= 0 && slot < chordwell::kPublicSlotCount)
                std::printf("  %-9s %-14s (%g)\n", getParameterName(slot),
                            displayText(slot, static_cast<float>(saved.value)).c_str(),
                            saved.value);
        }
    }
    else
        std::printf("extra: %u\n", static_cast<unsigned>(contents.extra));
    for (size_t i = 0; i < contents.presets.size(); ++i)
    {
        const PresetRecord& preset = contents.presets[i];
        std::printf("preset %zu: \"%s\"\n", i, printable(nameText(preset)).c_str());
        for (int slot = 0; slot < PresetRecord::kValueCount; ++slot)
            std::printf("  %-9s %-14s (%g)\n", getParameterName(slot),
                        displayText(slot, preset.values[slot]).c_str(),
                        shortest(preset.values[slot]));
    }
}

void printJson(const FileContents& contents)
{
    nlohmann::ordered_json presets = nlohmann::ordered_json::array();
    for (const PresetRecord& preset : contents.presets)
    {
        nlohmann::ordered_json values = nlohmann::ordered_json::array(),
                               texts = nlohmann::ordered_json::array();
        for (int slot = 0; slot < PresetRecord::kValueCount; ++slot)
        {
            values.push_back(shortest(preset.values[slot]));
            texts.push_back(displayText(slot, preset.values[slot]));
        }
        presets.push_back({{"name", nameText(preset)}, {"values", values}, {"texts", texts}});
    }
    nlohmann::ordered_json out = {{"type", typeName(contents)}, {"current", contents.current}};
    // A state has no image header, so no extra word.
    if (!contents.isState)
        out["extra"] = contents.extra;
    out["presets"] = presets;
    if (contents.isState)
    {
        nlohmann::ordered_json saved = nlohmann::ordered_json::array();
        for (const statefile::HostValue& value : contents.hostValues)
        {
            const int slot = findParameterSlot(value.id.c_str());
            saved.push_back({{"id", value.id},
                             {"value", value.value},
                             {"text", displayText(slot, static_cast<float>(value.value))}});
        }
        out["saved values"] = saved;
    }
    std::printf("%s\n",
                out.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace).c_str());
}
int reportState(const InspectOptions& options, const statefile::Contents& state)
{
    // The reader has checked that the bank takes the chunk whole (less its two closing words).
    PresetBank bank(nullptr, false);
    constexpr size_t kClosing = bankstate::kClosingWordsSize;
    if (state.bankState.size() < kClosing ||
        !bank.applyHostState(state.bankState.data(), state.bankState.size() - kClosing))
    {
        return refuse("inspect", "'" + printable(options.file) + "' is not a valid state file");
    }
    FileContents contents;
    contents.isBank = true;
    contents.isState = true;
    contents.current = bank.currentIndex();
    for (int32_t i = 0; i < PresetBank::kPresetCount; ++i)
        contents.presets.push_back(bank.workingPreset(i));
    contents.hostValues = state.hostValues;
    if (options.json)
        printJson(contents);
    else
        printText(options.file, contents);
    return 0;
}
} // namespace

void addInspectOptions(CLI::App& command, InspectOptions& options)
{
    command
        .add_option("file", options.file,
                    "preset (.orl), bank (.orb) or state file (render/edit --state-out)")
        ->required();
    command.add_flag("--json", options.json, "print one JSON object");
}

int runInspect(const InspectOptions& options)
{
    const auto bytes = readImageFile(options.file, false);
    if (!bytes)
    {
        return fail("inspect", "cannot read '" + printable(options.file) + "'");
    }
    // A state file (render/edit --state-out) starts with its magic; one of the old kind (the
    // bank chunk alone) with 00 00 00 02, which no preset or bank image is taken for here
    // unless the state reader refuses it.
    const bool stateMagic = bytes->size() >= 4 && std::memcmp(bytes->data(), "OCws", 4) == 0;
    const bool oldState = bytes->size() >= 4 && (*bytes)[0] == 0 && (*bytes)[1] == 0 &&
                          (*bytes)[2] == 0 && (*bytes)[3] == 2;
    if (stateMagic || oldState)
    {
        std::string error;
        const auto state = statefile::read(*bytes, error);
        if (state)
            return reportState(options, *state);
        if (stateMagic)
        {
            return refuse("inspect",
                          "'" + printable(options.file) + "' is not a valid state file: " + error);
        }
    }
    const auto reversed = presetimage::detectByteReversal(*bytes);
    const uint8_t type = bytes->size() > 4 ? (*bytes)[4] : 0;
    if (reversed && type != presetimage::kPresetType && type != presetimage::kBankType)
    {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02x", type);
        return refuse("inspect", "'" + printable(options.file) +
                                     "' is not a valid preset or bank file: image type " + hex +
                                     " is neither");
    }
    if (bytes->size() >= kMaxImageFileBytes || presetimage::hasBytesAfterImage(*bytes))
    {
        return refuse("inspect", "'" + options.file +
                                     "' is not a valid preset or bank file: it has bytes after "
                                     "its image");
    }
    const bool isBank = type == presetimage::kBankType;
    PresetBank bank(nullptr, false);
    const LoadResult result = isBank ? bank.loadBankImage(*bytes) : bank.loadPresetImage(*bytes);
    if (result != LoadResult::Loaded || !reversed)
    {
        return refuse("inspect",
                      "'" + printable(options.file) +
                          "' is not a valid preset or bank file: " + describeLoadFailure(result));
    }
    const auto header = presetimage::readHeader(*bytes, *reversed);
    FileContents contents;
    contents.isBank = isBank;
    contents.current = isBank ? bank.currentIndex() : header->currentIndex;
    contents.extra = header->extra;
    if (isBank)
        for (int32_t i = 0; i < PresetBank::kPresetCount; ++i)
            contents.presets.push_back(bank.workingPreset(i));
    else
        contents.presets.push_back(bank.workingPreset(bank.currentIndex()));
    if (options.json)
        printJson(contents);
    else
        printText(options.file, contents);
    return 0;
}
