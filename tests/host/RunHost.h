#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

// Runs the built chordwell-host with arguments through the shell, after `before` (a `cd` or
// environment words); stdout and stderr together.
struct RunResult
{
    int status;
    std::string out;
};

inline RunResult runHost(const std::string& arguments, const std::string& before = "")
{
    const std::string command = before + CHORDWELL_HOST_PATH + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, got);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// Whether the host exits with status and says text; what it said when not.
inline ::testing::AssertionResult hostExits(int status, const std::string& arguments,
                                            const std::string& text = "",
                                            const std::string& before = "")
{
    const RunResult r = runHost(arguments, before);
    if (r.status == status && r.out.find(text) != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << arguments << ": exit " << r.status << "\n" << r.out;
}
