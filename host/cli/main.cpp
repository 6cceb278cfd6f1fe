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

namespace
{

// Each command's options and its place in the command line, filled by the parse.
struct Commands
{
    RenderOptions render;
    CLI::App* renderCommand = nullptr;
    DescribeOptions describe;
    CLI::App* describeCommand = nullptr;
    InspectOptions inspect;
    CLI::App* inspectCommand = nullptr;
    InstallManualOptions installManual;
    CLI::App* installManualCommand = nullptr;
    EditOptions edit;
    CLI::App* editCommand = nullptr;
    SnapshotOptions snapshot;
    CLI::App* snapshotCommand = nullptr;
    CLI::App* presetsCommand = nullptr;
    std::string helpTopic;
    CLI::App* helpCommand = nullptr;
    ValidateOptions validate;
    CLI::App* validateCommand = nullptr;
};

void describeProgram(CLI::App& app)
{
    // Before the subcommands: each takes the formatter its parent has when it is added.
    app.formatter(std::make_shared<UsageFormatter>());
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("chordwell-host ") + chordwell::version::kText +
                                          " (ORL Chordwell)");
    // "/name" is a path on every system, never an option (CLI11 would take it for one on
    // Windows).
    app.allow_windows_style_options(false);
}

// The order of the commands is the order the help lists them in.
void addCommands(CLI::App& app, Commands& c)
{
    c.renderCommand = app.add_subcommand(
        "render", "render an audio file (or the built-in demo) to a WAV or FLAC file");
    addRenderOptions(*c.renderCommand, c.render);
    c.describeCommand =
        app.add_subcommand("describe", "print what the plug-in tells a host about itself");
    addDescribeOptions(*c.describeCommand, c.describe);
    c.inspectCommand =
        app.add_subcommand("inspect", "show the presets of a preset (.orl), bank (.orb) or state "
                                      "file, and a state's saved values");
    addInspectOptions(*c.inspectCommand, c.inspect);
    c.installManualCommand = app.add_subcommand(
        "install-manual", "record where the operation manual is, for the window's \"?\" button");
    addInstallManualOptions(*c.installManualCommand, c.installManual);
    c.editCommand = app.add_subcommand(
        "edit", "open the plug-in's window; closing it can save the state (--state-out)");
    addEditOptions(*c.editCommand, c.edit);
    c.snapshotCommand = app.add_subcommand(
        "snapshot", "draw the plug-in's whole window into a PNG file, without a display");
    addSnapshotOptions(*c.snapshotCommand, c.snapshot);
    c.presetsCommand = app.add_subcommand(
        "presets", "list the factory presets by number, with their values as the panel shows them");
    addPresetsOptions(*c.presetsCommand);
    c.helpCommand = app.add_subcommand("help", "show the help of the program or of one COMMAND");
    c.helpCommand->add_option("command", c.helpTopic, "a command (render, inspect, ...)")
        ->option_text("[COMMAND]");
    c.validateCommand = app.add_subcommand(
        "validate", "check the plug-in as the field's validators do; exit 1 when a check fails");
    addValidateOptions(*c.validateCommand, c.validate);
}

int runHelp(const CLI::App& app, const Commands& c)
{
    // The formatter directly: CLI11's help() would describe the parsed "help" itself.
    const auto formatter = app.get_formatter();
    if (c.helpTopic.empty())
    {
        std::printf(
            "%s", formatter->make_help(&app, "chordwell-host", CLI::AppFormatMode::Normal).c_str());
        return 0;
    }
    for (const CLI::App* command : app.get_subcommands({}))
        if (command->get_name() == c.helpTopic && command != c.helpCommand)
        {
            std::printf("%s", formatter
                                  ->make_help(command, "chordwell-host " + c.helpTopic,
                                              CLI::AppFormatMode::Normal)
                                  .c_str());
            return 0;
        }
    return refuse("help", "no command '" + c.helpTopic + "'; `chordwell-host help` lists them");
}

int runParsedCommand(const CLI::App& app, const Commands& c)
{
    if (c.helpCommand->parsed())
        return runHelp(app, c);
    if (c.presetsCommand->parsed())
        return runPresets();
    if (c.renderCommand->parsed())
        return runRender(c.render);
    if (c.describeCommand->parsed())
        return runDescribe(c.describe);
    if (c.inspectCommand->parsed())
        return runInspect(c.inspect);
    if (c.installManualCommand->parsed())
        return runInstallManual(c.installManual);
    if (c.editCommand->parsed())
        return runEdit(c.edit);
    if (c.snapshotCommand->parsed())
        return runSnapshot(c.snapshot);
    if (c.validateCommand->parsed())
        return runValidate(c.validate,
                           {{"editor while rendering", checkEditorWhileRendering},
                            {"preset names in the window", checkNamesInEditor},
                            {"window without a window manager", checkWindowWithoutWindowManager}});
    return kRefused;
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"chordwell-host: loads ORL Chordwell the way a studio host does and renders "
                 "audio through it"};
    describeProgram(app);
    Commands commands;
    addCommands(app, commands);

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
        return runParsedCommand(app, commands);
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
}
