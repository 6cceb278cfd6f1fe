#include "ShellOpen.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace platform
{
namespace
{
constexpr auto kReportTime = std::chrono::seconds(5);

// xdg-open's status when it finds no way to open the file.
constexpr int kXdgOperationImpossible = 3;

struct Opener
{
    const char* program;
    std::vector<std::string> arguments;
};

// The environment with messages in plain English, so that gio's reason can be recognised.
std::vector<std::string> plainEnvironment()
{
    std::vector<std::string> entries;
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry)
        if (std::strncmp(*entry, "LC_ALL=", 7) != 0)
            entries.emplace_back(*entry);
    entries.emplace_back("LC_ALL=C");
    return entries;
}

std::vector<char*> pointers(std::vector<std::string>& texts)
{
    std::vector<char*> out;
    for (std::string& text : texts)
        out.push_back(text.data());
    out.push_back(nullptr);
    return out;
}

std::string drain(int fd)
{
    std::string text;
    char buffer[512];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0 && text.size() < 65536)
        text.append(buffer, static_cast<size_t>(got));
    return text;
}

int mapOutcome(const Opener& opener, int status, const std::string& errors)
{
    if (!WIFEXITED(status))
        return kShellFailed;
    const int code = WEXITSTATUS(status);
    if (code == 0)
        return kShellOpened;
    if (std::strcmp(opener.program, "xdg-open") == 0)
        return code == kXdgOperationImpossible ? kShellNoApplication : kShellFailed;
    const bool noApplication = errors.find("default application") != std::string::npos ||
                               errors.find("No application") != std::string::npos;
    return noApplication ? kShellNoApplication : kShellFailed;
}

// Runs one opener; nothing when the program is not installed.
std::optional<int> run(const Opener& opener)
{
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return kShellFailed;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);

    std::vector<std::string> argv = {opener.program};
    argv.insert(argv.end(), opener.arguments.begin(), opener.arguments.end());
    std::vector<std::string> env = plainEnvironment();
    auto argvPointers = pointers(argv);
    auto envPointers = pointers(env);
    pid_t child = -1;
    const int spawned = ::posix_spawnp(&child, opener.program, &actions, nullptr,
                                       argvPointers.data(), envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0)
    {
        ::close(pipeFds[0]);
        if (spawned == ENOENT)
            return std::nullopt;
        return kShellFailed;
    }

    const auto deadline = std::chrono::steady_clock::now() + kReportTime;
    int status = 0;
    for (;;)
    {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child)
            break;
        if (done < 0 && errno != EINTR)
        {
            ::close(pipeFds[0]);
            return kShellFailed;
        }
        if (std::chrono::steady_clock::now() >= deadline)
        {
            // The opener stays with the application it started: it has opened the file.
            ::close(pipeFds[0]);
            std::thread([child] { ::waitpid(child, nullptr, 0); }).detach();
            return kShellOpened;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const std::string errors = drain(pipeFds[0]);
    ::close(pipeFds[0]);
    return mapOutcome(opener, status, errors);
}
} // namespace

int shellOpen(const std::string& path)
{
    // A web address has no file to check; the opener hands it to the browser.
    if (!isWebAddress(path) && (path.empty() || ::access(path.c_str(), F_OK) != 0))
        return kShellFileNotFound;
    const Opener openers[] = {{"xdg-open", {path}}, {"gio", {"open", path}}};
    for (const Opener& opener : openers)
        if (const auto result = run(opener))
            return *result;
    return kShellFailed;
}
} // namespace platform
