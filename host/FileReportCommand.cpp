#include "FileReportCommand.h"

#include "PresetSources.h"

#include <ImageFile.h>
#include <ParameterTable.h>
#include <PresetBank.h>
#include <PresetImage.h>
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
constexpr int kFailed = 1;
constexpr int kRefused = 2;

struct FileContents
{
    bool isBank = false;
    int32_t current = 0;
    uint32_t extra = 0;
    std::vector<PresetRecord> presets;
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

void printText(const std::string& path, const FileContents& contents)
{
    std::printf("file: %s\ntype: %s\n", printable(path).c_str(),
                contents.isBank ? "bank" : "preset");
    if (contents.isBank)
        std::printf("current: %d\n", static_cast<int>(contents.current));
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
    const nlohmann::ordered_json out = {{"type", contents.isBank ? "bank" : "preset"},
                                        {"current", contents.current},
                                        {"extra", contents.extra},
                                        {"presets", presets}};
    std::printf("%s\n",
                out.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace).c_str());
}
} // namespace

void addInspectOptions(CLI::App& command, InspectOptions& options)
{
    command.add_option("file", options.file, "preset (.orl) or bank (.orb) file")->required();
    command.add_flag("--json", options.json, "print one JSON object");
}

int runInspect(const InspectOptions& options)
{
    const auto bytes = readImageFile(options.file, false);
    if (!bytes)
    {
        std::fprintf(stderr, "chordwell-host inspect: cannot read '%s'\n",
                     printable(options.file).c_str());
        return kFailed;
    }
    const auto reversed = presetimage::detectByteReversal(*bytes);
    const uint8_t type = bytes->size() > 4 ? (*bytes)[4] : 0;
    if (reversed && type != presetimage::kPresetType && type != presetimage::kBankType)
    {
        std::fprintf(stderr,
                     "chordwell-host inspect: '%s' is not a valid preset or bank file: image "
                     "type 0x%02x is neither\n",
                     printable(options.file).c_str(), type);
        return kRefused;
    }
    if (bytes->size() >= kMaxImageFileBytes || presetimage::hasBytesAfterImage(*bytes))
    {
        std::fprintf(stderr,
                     "chordwell-host inspect: '%s' is not a valid preset or bank file: it has "
                     "bytes after its image\n",
                     options.file.c_str());
        return kRefused;
    }
    const bool isBank = type == presetimage::kBankType;
    PresetBank bank(nullptr, false);
    const LoadResult result = isBank ? bank.loadBankImage(*bytes) : bank.loadPresetImage(*bytes);
    if (result != LoadResult::Loaded || !reversed)
    {
        std::fprintf(stderr,
                     "chordwell-host inspect: '%s' is not a valid preset or bank file: %s\n",
                     printable(options.file).c_str(), describeLoadFailure(result).c_str());
        return kRefused;
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
