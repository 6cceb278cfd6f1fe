#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <string>
#include <vector>

// `chordwell-host validate [--level N] [--seed S] [--plugin LIB]`: loads the plug-in library
// and checks it the way the field's validators do, one line per check with its counts, then
// a summary. Main thread.
struct ValidateOptions
{
    int level = 1; // 1..10: scales every count
    uint32_t seed = 1;
    std::string plugin;
    std::vector<std::string> only; // names (or parts of names) of the checks to run; all when empty
};

void addValidateOptions(CLI::App& command, ValidateOptions& options);

class PluginLibrary;

// One check's outcome: its counts for the report line, and its failures.
struct ValidateVerdict
{
    std::string counts;
    uint64_t failures = 0;
    std::string firstFailure;

    void fail(const std::string& what)
    {
        if (failures++ == 0)
            firstFailure = what;
    }
};

// A check that needs more than this layer has (the toolkit, for the editor), handed in by
// the executable.
struct ValidateExtraCheck
{
    const char* name;
    ValidateVerdict (*run)(const PluginLibrary& library, const std::string& pluginPath, int level);
};

// Exit status: 0 every check passed, 1 a check failed or the plug-in could not be loaded,
// 2 refused arguments.
int runValidate(const ValidateOptions& options,
                const std::vector<ValidateExtraCheck>& extraChecks = {});
