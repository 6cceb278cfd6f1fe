#include "CommandExit.h"
#include "CommandLine.h"
#include "DescribeCommand.h"
#include "FileContentsCommand.h"
#include "InstallManualCommand.h"
#include "PresetsCommand.h"
#include "RenderCommand.h"
#include "UsageFormatter.h"
#include "validate/ValidateCommand.h"
#include "window/EditCommand.h"
#include "window/SnapshotCommand.h"
#include "window/ValidateEditor.h"
#include "window/ValidateNames.h"

#include <CLI/CLI.hpp>
#include <ProductIdentity.h>

#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    CLI::App app{"chordwell-host: loads ORL Chordwell the way a studio host does and renders "
                 "audio through it"};
    // Before the subcommands: each takes the formatter its parent has when it is added.
    app.formatter(std::make_shared<UsageFormatter>());
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("chordwell-host ") + chordwell::version::kText +
                                          " (ORL Chordwell)");
    // "/name" is a path on every system, never an option (CLI11 would take it for one on
    // Windows).
    app.allow_windows_style_options(false);

    RenderOptions render;
    CLI::App* renderCommand = app.add_subcommand(
        "render", "render an audio file (or the built-in demo) to a WAV or FLAC file");
    addRenderOptions(*renderCommand, render);

    DescribeOptions describe;
    CLI::App* describeCommand =
        app.add_subcommand("describe", "print what the plug-in tells a host about itself");
    addDescribeOptions(*describeCommand, describe);

    InspectOptions inspect;
    CLI::App* inspectCommand =
        app.add_subcommand("inspect", "show the presets of a preset (.orl), bank (.orb) or state "
                                      "file, and a state's saved values");
    addInspectOptions(*inspectCommand, inspect);

    InstallManualOptions installManual;
    CLI::App* installManualCommand = app.add_subcommand(
        "install-manual", "record where the operation manual is, for the window's \"?\" button");
    addInstallManualOptions(*installManualCommand, installManual);
    EditOptions edit;
    CLI::App* editCommand = app.add_subcommand(
        "edit", "open the plug-in's window; closing it can save the state (--state-out)");
    addEditOptions(*editCommand, edit);
    SnapshotOptions snapshot;
    CLI::App* snapshotCommand = app.add_subcommand(
        "snapshot", "draw the plug-in's whole window into a PNG file, without a display");
    addSnapshotOptions(*snapshotCommand, snapshot);

    CLI::App* presetsCommand = app.add_subcommand(
        "presets", "list the factory presets by number, with their values as the panel shows them");
    addPresetsOptions(*presetsCommand);

    std::string helpTopic;
    CLI::App* helpCommand =
        app.add_subcommand("help", "show the help of the program or of one COMMAND");
    helpCommand->add_option("command", helpTopic, "a command (render, inspect, ...)")
        ->option_text("[COMMAND]");

    ValidateOptions validate;
    CLI::App* validateCommand = app.add_subcommand(
        "validate", "check the plug-in as the field's validators do; exit 1 when a check fails");
    addValidateOptions(*validateCommand, validate);

    std::vector<std::string> arguments = commandLineArguments(argc, argv);
    if (arguments.empty())
        arguments.emplace_back("chordwell-host");
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    try
    {
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    }
    catch (const CLI::ParseError& e)
    {
        // Help is a success; every other parse error is a refused command line.
        return app.exit(e) == 0 ? 0 : kRefused;
    }

    // Whatever escapes a command (memory running out, above all) is a failure with a message,
    // never an abort.
    try
    {
        if (helpCommand->parsed())
        {
            // The formatter directly: CLI11's help() would describe the parsed "help" itself.
            const auto formatter = app.get_formatter();
            if (helpTopic.empty())
            {
                std::printf("%s",
                            formatter->make_help(&app, "chordwell-host", CLI::AppFormatMode::Normal)
                                .c_str());
                return 0;
            }
            for (const CLI::App* command : app.get_subcommands({}))
                if (command->get_name() == helpTopic && command != helpCommand)
                {
                    std::printf("%s", formatter
                                          ->make_help(command, "chordwell-host " + helpTopic,
                                                      CLI::AppFormatMode::Normal)
                                          .c_str());
                    return 0;
                }
            return refuse("help",
                          "no command '" + helpTopic + "'; `chordwell-host help` lists them");
        }
        if (presetsCommand->parsed())
            return runPresets();
        if (renderCommand->parsed())
            return runRender(render);
        if (describeCommand->parsed())
            return runDescribe(describe);
        if (inspectCommand->parsed())
            return runInspect(inspect);
        if (installManualCommand->parsed())
            return runInstallManual(installManual);
        if (editCommand->parsed())
            return runEdit(edit);
        if (snapshotCommand->parsed())
            return runSnapshot(snapshot);
        if (validateCommand->parsed())
            return runValidate(
                validate, {{"editor while rendering", checkEditorWhileRendering},
                           {"preset names in the window", checkNamesInEditor},
                           {"window without a window manager", checkWindowWithoutWindowManager}});
    }
    catch (const std::bad_alloc&)
    {
        std::fprintf(stderr, "chordwell-host: out of memory\n");
        return kFailed;
    }
    catch (const std::exception& e)
    {
        std::fprintf(stderr, "chordwell-host: %s\n", e.what());
        return kFailed;
    }
    return kRefused;
}
