#pragma once

#include <CLI/CLI.hpp>

#include <string>

// `chordwell-host install-manual [FILE]`: the installation's step that tells the plug-in where
// its operation manual is: the file's absolute path becomes the "ManualPath" setting, which
// the preset bar's "?" button opens. Main thread.
struct InstallManualOptions
{
    std::string file; // empty: the manual beside the program or installed with it
};

void addInstallManualOptions(CLI::App& command, InstallManualOptions& options);

// Exit status: 0 recorded, 1 no such file or the store could not be written, 2 no file given
// and none found with the program.
int runInstallManual(const InstallManualOptions& options);
