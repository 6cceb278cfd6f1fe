#include "ValidateNames.h"

#include "EditorSession.h"
#include "OffscreenView.h"
#include "aax_host/EffectInstance.h"
#include "validate/PresetNameStates.h"

#include <StateFile.h>

#include <juce_gui_basics/juce_gui_basics.h>

#include <string>

ValidateVerdict checkNamesInEditor(const PluginLibrary& library, const std::string& pluginPath,
                                   int level)
{
    ValidateVerdict verdict;
    juce::ScopedJuceInitialiser_GUI toolkit;
    SessionOptions options;
    options.plugin = pluginPath;
    EditorSession session(library, options);
    std::vector<uint8_t> fresh;
    if (session.instance().getChunk(statefile::kBankChunk, fresh) != AAX_SUCCESS)
    {
        verdict.fail("no bank state to start from");
        return verdict;
    }
    const PresetNameStates names = makePresetNameStates(fresh, level, 20u);
    OffscreenView view(session.viewSize());
    // Opening the editor is what costs: level L opens it over L tenths of the states.
    size_t shown = 0;
    for (size_t i = 0; i < names.states.size(); ++i)
    {
        if (static_cast<int>(i % 10) >= level)
            continue;
        if (session.instance().setChunk(statefile::kBankChunk, names.states[i]) != AAX_SUCCESS)
        {
            verdict.fail("names state " + std::to_string(i) + " was refused");
            continue;
        }
        // Opening fills the preset list with all ten names; the drawing shows the current one.
        session.openView(view.container);
        session.deliver();
        view.draw();
        session.closeView();
        ++shown;
    }
    verdict.counts = std::to_string(shown) + " of " + std::to_string(names.states.size()) +
                     " bank states with every byte value at every place of a preset name shown " +
                     "in the editor, drawn offscreen";
    return verdict;
}

#if defined(_WIN32)
ValidateVerdict checkWindowWithoutWindowManager(const PluginLibrary&, const std::string&, int)
{
    ValidateVerdict verdict;
    verdict.counts = "skipped: Windows has no X server";
    return verdict;
}
#else
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace
{
using Clock = std::chrono::steady_clock;

// Reads what fd gives until the text contains one of the marks, the writer closes it or the
// time is up.
std::string readUntil(int fd, std::initializer_list<const char*> marks, Clock::duration limit)
{
    std::string text;
    const auto end = Clock::now() + limit;
    const auto found = [&]
    {
        for (const char* mark : marks)
            if (text.find(mark) != std::string::npos)
                return true;
        return false;
    };
    while (!found() && Clock::now() < end)
    {
        pollfd p{fd, POLLIN, 0};
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        if (::poll(&p, 1, static_cast<int>(std::max<long long>(left, 0))) <= 0)
            continue;
        char buffer[512];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        text.append(buffer, static_cast<size_t>(got));
    }
    return text;
}

// A child process running argv with its output (stdout and stderr) on a pipe; DISPLAY set
// when display is not empty.
pid_t spawn(const std::vector<std::string>& args, const std::string& display, int& output)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0)
    {
        ::dup2(fds[1], 1);
        ::dup2(fds[1], 2);
        ::close(fds[0]);
        ::close(fds[1]);
        if (!display.empty())
            ::setenv("DISPLAY", display.c_str(), 1);
        std::vector<char*> argv;
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    output = fds[0];
    return child;
}

int endChild(pid_t child)
{
    ::kill(child, SIGTERM);
    int status = 0;
    const auto end = Clock::now() + std::chrono::seconds(10);
    while (::waitpid(child, &status, WNOHANG) == 0)
    {
        if (Clock::now() > end)
        {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return -1;
        }
        ::usleep(20000);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
} // namespace

ValidateVerdict checkWindowWithoutWindowManager(const PluginLibrary& library,
                                                const std::string& pluginPath, int)
{
    ValidateVerdict verdict;
    // A server of our own, so no window manager and none of its atoms: Xvfb tells the display
    // number it took on a pipe.
    int numberPipe[2];
    if (::pipe(numberPipe) != 0)
    {
        verdict.counts = "skipped: no pipe for Xvfb";
        return verdict;
    }
    ::fcntl(numberPipe[0], F_SETFD, FD_CLOEXEC);
    int serverOutput = -1;
    const pid_t server = spawn({"Xvfb", "-displayfd", std::to_string(numberPipe[1]), "-screen", "0",
                                "640x480x24", "-nolisten", "tcp"},
                               "", serverOutput);
    ::close(numberPipe[1]);
    const std::string number =
        server > 0 ? readUntil(numberPipe[0], {"\n"}, std::chrono::seconds(10)) : "";
    ::close(numberPipe[0]);
    if (number.empty() || number.find('\n') == std::string::npos)
    {
        if (server > 0)
            endChild(server);
        verdict.counts = "skipped: Xvfb cannot be started here";
        return verdict;
    }
    const std::string display = ":" + number.substr(0, number.find('\n'));

    // Names saved on Windows in the window, too.
    const std::filesystem::path state =
        std::filesystem::temp_directory_path() /
        ("chordwell-validate-" + std::to_string(::getpid()) + ".state");
    {
        EffectInstance instance(library.effect(), 0, 48000.0f);
        std::vector<uint8_t> fresh;
        instance.getChunk(statefile::kBankChunk, fresh);
        const PresetNameStates names = makePresetNameStates(fresh, 1, 1u);
        const auto bytes = statefile::encode({{statefile::kBankChunk, names.states.back()}});
        FILE* file = std::fopen(state.c_str(), "wb");
        if (file != nullptr)
        {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
    }
    int output = -1;
    const pid_t edit =
        spawn({"/proc/self/exe", "edit", "--plugin", pluginPath, "--state-in", state.string()},
              display, output);
    std::string text = readUntil(output, {"playing ", "runs silently"}, std::chrono::seconds(30));
    const bool opened = text.find("window 0x") != std::string::npos;
    // X errors arrive as the window's events are read: give them time.
    text += readUntil(output, {"X Error"}, std::chrono::milliseconds(1500));
    const int status = edit > 0 ? endChild(edit) : -1;
    text += readUntil(output, {"\x01"}, std::chrono::milliseconds(200));
    ::close(output);
    endChild(server);
    ::close(serverOutput);
    std::filesystem::remove(state);

    const size_t error = text.find("X Error");
    if (!opened || status != 0 || error != std::string::npos)
        verdict.fail(
            "edit on " + display + " without a window manager: " + (opened ? "" : "no window; ") +
            "exit status " + std::to_string(status) +
            (error != std::string::npos ? "; " + text.substr(error, text.find('\n', error) - error)
                                        : ""));
    verdict.counts = "edit on a fresh Xvfb (" + display +
                     ") without a window manager, Xlib's default error handler: " +
                     (verdict.failures == 0 ? "opened and closed, exit status 0" : "failed");
    return verdict;
}
#endif
