#pragma once

#include <audio/AudioFile.h>
#include <audio/BinaryFile.h>
#include <audio/DemoSignal.h>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// What the host's tests share: runs of the built host and a folder of files for each test.
namespace fs = std::filesystem;

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

// Whether the host exits with status and says every text; what it said when not.
inline ::testing::AssertionResult hostSays(int status, const std::string& arguments,
                                           const std::vector<std::string>& texts,
                                           const std::string& before = "")
{
    const RunResult r = runHost(arguments, before);
    for (const std::string& text : texts)
        if (r.out.find(text) == std::string::npos)
            return ::testing::AssertionFailure() << arguments << ": no '" << text << "' in\n"
                                                 << r.out;
    if (r.status != status)
        return ::testing::AssertionFailure() << arguments << ": exit " << r.status << "\n" << r.out;
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult hostExits(int status, const std::string& arguments,
                                            const std::string& text = "",
                                            const std::string& before = "")
{
    return hostSays(status, arguments, {text}, before);
}

// A test of the host's commands on files in a folder of its own, removed afterwards; with
// DemoFrames, the folder starts with that much of the demo as in.wav.
template <size_t DemoFrames = 0> class HostFolderTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        std::filesystem::create_directories(folder);
        if (DemoFrames > 0)
            writeDemoInput(DemoFrames);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    // The file's bytes; empty when it cannot be read (a test may expect it gone).
    std::vector<uint8_t> bytesOf(const std::string& name) const
    {
        std::vector<uint8_t> bytes;
        std::string error;
        readBinaryFile(path(name), bytes, 1 << 26, error);
        return bytes;
    }

    // The file's audio, which must be readable.
    AudioBuffer audioOf(const std::string& name) const
    {
        AudioBuffer audio;
        std::string error;
        EXPECT_TRUE(readAudioFile(path(name), audio, error)) << error;
        return audio;
    }

    // The built-in demo's first `frames` frames as a float WAV file.
    void writeDemoInput(size_t frames, const std::string& name = "in.wav") const
    {
        AudioBuffer input = makeDemoSignal();
        for (auto& channel : input.channels)
            channel.resize(frames);
        std::string error;
        ASSERT_TRUE(writeFloatWav(path(name), input, error)) << error;
    }

    // A process id that no process has any more.
    static pid_t deadProcess()
    {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(0);
        ::waitpid(child, nullptr, 0);
        return child;
    }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("orl-host-" + std::to_string(::getpid()));
};
