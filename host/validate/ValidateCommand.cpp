#include "ValidateCommand.h"

#include "Checks.h"
#include "Report.h"
#include "aax_host/PluginLibrary.h"
#include "cli/CommandExit.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

void addValidateOptions(CLI::App& command, ValidateOptions& options)
{
    command.add_option("--level", options.level, "1..10: scales every count (CI runs 1)")
        ->capture_default_str();
    command.add_option("--seed", options.seed, "random seed, for repeating a run")
        ->capture_default_str();
    command.add_option("--plugin", options.plugin, pluginOptionHelp());
    command
        .add_option("--check", options.only,
                    "run only the checks whose name contains this text (repeatable)")
        ->allow_extra_args(false);
}

int runValidate(const ValidateOptions& options, const std::vector<ValidateExtraCheck>& extraChecks)
{
    if (options.level < 1 || options.level > 10)
    {
        return refuse("validate", "--level must be 1 to 10");
    }
    struct Check
    {
        const char* name;
        ValidateVerdict (*run)(const EffectDescription&, int, validation::Random&);
    };
    const Check checks[] = {
        {"lifecycles", validation::checkLifecycles},
        {"rates, blocks and inputs", validation::checkRatesAndBlocks},
        {"parameters and tail", validation::checkParametersAndTail},
        {"host values", validation::checkHostValues},
        {"state round trips", validation::checkStateRoundTrips},
        {"damaged states", validation::checkFuzzedStates},
        {"preset names", validation::checkPresetNames},
        {"render callback", validation::checkRenderCallback},
    };
    try
    {
        PluginLibrary library(pluginPath(options.plugin));
        const EffectDescription& effect = library.effect();
        std::printf("validate %s at level %d, seed %u\n", pluginPath(options.plugin).c_str(),
                    options.level, options.seed);
        const auto chosen = [&options](const char* name)
        {
            return options.only.empty() ||
                   std::any_of(options.only.begin(), options.only.end(),
                               [name](const std::string& part)
                               { return std::string(name).find(part) != std::string::npos; });
        };
        int failed = 0;
        size_t ran = 0;
        for (const Check& check : checks)
        {
            if (!chosen(check.name))
                continue;
            ++ran;
            validation::Random random(options.seed);
            std::fflush(stdout);
            const auto start = std::chrono::steady_clock::now();
            ValidateVerdict verdict;
            try
            {
                verdict = check.run(effect, options.level, random);
            }
            catch (const std::exception& e)
            {
                verdict.fail(e.what());
            }
            failed += verdict.failures > 0;
            validation::report(check.name, verdict, start);
        }
        for (const ValidateExtraCheck& check : extraChecks)
        {
            if (!chosen(check.name))
                continue;
            ++ran;
            std::fflush(stdout);
            const auto start = std::chrono::steady_clock::now();
            ValidateVerdict verdict;
            try
            {
                verdict = check.run(library, pluginPath(options.plugin), options.level);
            }
            catch (const std::exception& e)
            {
                verdict.fail(e.what());
            }
            failed += verdict.failures > 0;
            validation::report(check.name, verdict, start);
        }
        if (ran == 0)
        {
            return refuse("validate", "no check is named like that");
        }
        std::printf("validate: %zu checks, %d failed\n", ran, failed);
        return failed > 0 ? kFailed : 0;
    }
    catch (const HostError& e)
    {
        return fail("validate", e.what());
    }
}
