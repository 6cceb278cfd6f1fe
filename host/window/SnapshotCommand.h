#pragma once

#include "EditorSession.h"

#include <CLI/CLI.hpp>

#include <string>

// `chordwell-host snapshot OUT.png [--rear] [--state-in F] [--set ...]`: the plug-in's whole
// window drawn offscreen through its GUI object, without an X server. Main thread.
struct SnapshotOptions
{
    std::string output;
    bool rear = false;
    SessionOptions session;
};

void addSnapshotOptions(CLI::App& command, SnapshotOptions& options);

// Exit status: 0 written, 1 plug-in or file failed, 2 refused arguments.
int runSnapshot(const SnapshotOptions& options);
