#pragma once

#include <CLI/CLI.hpp>

#include <string>

// `chordwell-host describe [--json]`: what the plug-in told the host. Main thread.
struct DescribeOptions
{
    bool json = false;
    std::string plugin;
};

void addDescribeOptions(CLI::App& command, DescribeOptions& options);

// Exit status: 0 done, 1 the plug-in could not be loaded, registered or instantiated.
int runDescribe(const DescribeOptions& options);
