#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <string>

// `chordwell-host validate [--level N] [--seed S] [--plugin LIB]`: loads the plug-in library
// and checks it the way the field's validators do, one line per check with its counts, then
// a summary. Main thread.
struct ValidateOptions
{
    int level = 1; // 1..10: scales every count
    uint32_t seed = 1;
    std::string plugin;
};

void addValidateOptions(CLI::App& command, ValidateOptions& options);

// Exit status: 0 every check passed, 1 a check failed or the plug-in could not be loaded,
// 2 refused arguments.
int runValidate(const ValidateOptions& options);
