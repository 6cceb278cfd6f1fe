#pragma once

#include <CLI/CLI.hpp>

#include <string>

// `chordwell-host inspect FILE [--json]`: what a preset (.orl), bank (.orb) or host state file
// (its bank and saved host values) holds, read with the product's own readers. Main thread.
struct InspectOptions
{
    std::string file;
    bool json = false;
};

void addInspectOptions(CLI::App& command, InspectOptions& options);

// Exit status: 0 done, 1 the file cannot be read, 2 not a valid preset or bank image.
int runInspect(const InspectOptions& options);
