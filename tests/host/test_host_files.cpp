#include "HostFolderTest.h"
#include "RunHost.h"

#include <AudioFile.h>
#include <BinaryFile.h>
#include <DemoSignal.h>
#include <PresetBank.h>
#include <PresetImage.h>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace
{
namespace fs = std::filesystem;

class HostFiles : public HostFolderTest
{
  protected:
    HostFiles() : HostFolderTest("orl-files-") {}
    void SetUp() override
    {
        HostFolderTest::SetUp();
        writeDemoInput(4800);
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
};

TEST_F(HostFiles, an_output_that_is_an_input_is_refused_and_the_input_kept)
{
    const auto original = bytesOf("in.wav");
    ASSERT_EQ(::link(path("in.wav").c_str(), path("alias.wav").c_str()), 0);
    ASSERT_EQ(
        runHost("render --tail 0 --state-out " + path("s.state") + " " + path("o.wav")).status, 0);
    PresetBank bank(nullptr, false);
    ASSERT_TRUE(bank.savePresetFile(path("p.orl")));
    const std::string in = path("in.wav");
    for (const std::string& arguments : {in + " " + in, in + " " + path("alias.wav"),
                                         "--state-out " + in + " " + in + " " + path("x.wav"),
                                         "--state-out " + path("x.wav") + " " + path("x.wav"),
                                         "--state-in " + path("s.state") + " " + path("s.state"),
                                         "--preset-file " + path("p.orl") + " " + path("p.orl"),
                                         "--state-in " + path("s.state") + " --state-out " +
                                             path("./s.state") + " " + path("x.wav")})
    {
        const RunResult r = runHost("render --tail 0 " + arguments);
        EXPECT_EQ(r.status, 2) << arguments << ": " << r.out;
        EXPECT_NE(r.out.find("same file"), std::string::npos) << r.out;
    }
    EXPECT_EQ(bytesOf("in.wav"), original);
    EXPECT_FALSE(fs::exists(path("x.wav")));
    EXPECT_EQ(bytesOf("p.orl").size(), presetimage::kPresetImageSize);
}

TEST_F(HostFiles, outputs_follow_symlinks_write_fifos_and_never_replace_folders)
{
    fs::create_symlink(path("real.wav"), path("link.wav"));
    RunResult r = runHost("render --tail 0 " + path("in.wav") + " " + path("link.wav"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(fs::is_symlink(path("link.wav")));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path("real.wav"))));

    // A FIFO with a reader gets the whole file; without one the write is refused at once.
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    const std::string host = CHORDWELL_HOST_PATH;
    const std::string command = "cat " + path("pipe") + " > " + path("copy.wav") + " & " + host +
                                " render --tail 0 " + path("in.wav") + " " + path("pipe") +
                                " >/dev/null && wait";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(bytesOf("copy.wav"), bytesOf("real.wav"));
    r = runHost("render --tail 0 " + path("in.wav") + " " + path("pipe"));
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find("no reader"), std::string::npos) << r.out;
    EXPECT_EQ(fs::status(path("pipe")).type(), fs::file_type::fifo);

    fs::create_directory(path("folder"));
    EXPECT_EQ(runHost("render --tail 0 " + path("in.wav") + " " + path("folder")).status, 1);
    r = runHost("snapshot " + path("folder"));
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_TRUE(fs::is_directory(path("folder")));
    EXPECT_EQ(runHost("render --tail 0 --state-out " + path("folder") + " " + path("y.wav")).status,
              1);
    EXPECT_TRUE(fs::is_directory(path("folder")));
}

TEST_F(HostFiles, special_files_given_as_inputs_are_refused_without_waiting)
{
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    const std::string pipe = path("pipe");
    for (const std::string& arguments : {"render --state-in " + pipe + " " + path("x.wav"),
                                         "render --preset-file " + pipe + " " + path("x.wav"),
                                         "render --bank-file " + pipe + " " + path("x.wav"),
                                         "render " + pipe + " " + path("x.wav"), "inspect " + pipe,
                                         "render " + folder.string() + " " + path("x.wav")})
    {
        // A FIFO opened for reading without a writer would block here for ever.
        const RunResult r = runHost(arguments);
        EXPECT_EQ(r.status, 1) << arguments << ": " << r.out;
    }
    EXPECT_FALSE(fs::exists(path("x.wav")));
}

TEST_F(HostFiles, killed_writers_litter_goes_and_equal_renders_give_equal_bytes)
{
    const std::string dead = path("out.wav.part-" + std::to_string(deadProcess()));
    const std::string alive = path("out.wav.part-" + std::to_string(::getpid()));
    std::ofstream(dead) << "left by a killed render";
    std::ofstream(alive) << "being written";
    ASSERT_EQ(runHost("render --tail 0.05 " + path("in.wav") + " " + path("out.wav")).status, 0);
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_TRUE(fs::exists(alive)) << "a running writer's file stays";
    const auto first = bytesOf("out.wav");
    ASSERT_EQ(runHost("render --tail 0.05 " + path("in.wav") + " " + path("out.wav")).status, 0);
    EXPECT_EQ(bytesOf("out.wav"), first);
    const std::string text(first.begin(), first.end());
    EXPECT_EQ(text.find("PEAK"), std::string::npos) << "no time-stamped peak chunk";

    const std::string store = path("store");
    fs::create_directories(store);
    const std::string stale = store + "/ORLChordwell.settings.tmp-" + std::to_string(deadProcess());
    std::ofstream(stale) << "left by a killed writer";
    const std::string command = "ORL_CHORDWELL_STORE_DIR=" + store + " " + CHORDWELL_HOST_PATH +
                                " install-manual " + path("in.wav") + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(store + "/ORLChordwell.settings"));
}

// Peak memory of one run of the host, in kilobytes.
long peakKilobytes(const std::string& seconds, const std::string& out)
{
    const pid_t child = ::fork();
    if (child == 0)
    {
        ::freopen("/dev/null", "w", stdout);
        ::execl(CHORDWELL_HOST_PATH, "chordwell-host", "render", "--demo", "--tail",
                seconds.c_str(), out.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss : -1;
}

TEST_F(HostFiles, renders_stream_so_memory_stays_flat_whatever_the_length)
{
    const std::string out = path("long.wav");
    const long shortRun = peakKilobytes("1", out);
    const long longRun = peakKilobytes("120", out);
    ASSERT_GT(shortRun, 0);
    ASSERT_GT(longRun, 0);
    // Two minutes of stereo float are 46 MB; held whole, in and out, they would be far more.
    EXPECT_LT(longRun - shortRun, 16 * 1024) << shortRun << " kB, then " << longRun << " kB";
}

TEST_F(HostFiles, absurd_lengths_and_missing_files_exit_with_their_own_codes)
{
    AudioBuffer fast;
    fast.sampleRate = 384000;
    fast.channels.assign(2, std::vector<float>(64, 0.0f));
    std::string error;
    ASSERT_TRUE(writeFloatWav(path("fast.wav"), fast, error)) << error;
    RunResult r = runHost("render --tail 3600 " + path("fast.wav") + " " + path("x.wav"));
    EXPECT_EQ(r.status, 2) << r.out;
    EXPECT_NE(r.out.find("more than a WAV file holds"), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(path("x.wav")));

    EXPECT_EQ(runHost("render --preset-file " + path("missing.orl") + " " + path("x.wav")).status,
              1);
    EXPECT_EQ(runHost("inspect " + path("missing.orl")).status, 1);
    std::ofstream(path("junk.orl")) << "junk";
    EXPECT_EQ(runHost("render --preset-file " + path("junk.orl") + " " + path("x.wav")).status, 2);
    EXPECT_EQ(runHost("render --state-in " + path("missing.state") + " " + path("x.wav")).status,
              1);

    r = runHost("render --tail 0 --layout mono " + path("in.wav") + " " + path("x.wav"));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("channel 1 of the input is left out"), std::string::npos) << r.out;
}
} // namespace
