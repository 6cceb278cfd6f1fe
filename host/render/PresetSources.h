#pragma once

#include <PresetBank.h>

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

// The render command's preset and bank files: `--preset-file F.orl`, `--bank-file F.orb
// [--bank-preset N]`. They are read through the product's preset bank, which turns them into
// the eight start values. Main thread.
struct PresetSourceOptions
{
    std::string presetFile;
    std::string bankFile;
    std::optional<int> bankPreset;
};

void addPresetSourceOptions(CLI::App& command, PresetSourceOptions& options);

// Why a file was not loaded, for messages ("it holds the other kind of image").
std::string describeLoadFailure(LoadResult result);

// Whether a preset or bank file was asked for.
bool hasPresetSource(const PresetSourceOptions& options);

// Lays the chosen file onto bank (a scratch bank) and makes the chosen preset current.
// False, with the reason in error, when the options contradict each other or the file is
// not a valid image; *unreadable (when given) tells a file that could not be read.
bool loadPresetSourceBank(const PresetSourceOptions& options, PresetBank& bank, std::string& error,
                          bool* unreadable = nullptr);

// Replaces values (slots 0-7) with the chosen preset of the file. False, with the reason in
// error, when the options contradict each other or the file is not a valid image.
bool loadPresetSource(const PresetSourceOptions& options, float* values, std::string& error);
