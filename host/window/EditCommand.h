#pragma once

#include "EditorSession.h"

#include <CLI/CLI.hpp>

#include <string>

// `chordwell-host edit [--state-in F] [--state-out F] [--set ...] [IN]`: a host window that
// shows the plug-in's editor while IN (or the built-in demo) plays through the plug-in in a
// loop on the default output device, when there is one. The host's parameter changes are
// printed as they happen ("param 2: Decay = 0.62"); closing the window (or SIGINT, SIGTERM)
// closes the editor and saves the state when asked. Main thread.
struct EditOptions
{
    std::string input; // audio to play; the built-in demo without it
    std::string stateOut;
    SessionOptions session;
};

void addEditOptions(CLI::App& command, EditOptions& options);

// Exit status: 0 closed, 1 plug-in, display or file failed, 2 refused arguments.
int runEdit(const EditOptions& options);
