#include "HostFolderTest.h"
#include "RunHost.h"

#include <PresetBank.h>
#include <PresetImage.h>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace
{
namespace fs = std::filesystem;

class HostFiles : public HostFolderTest
{
  protected:
    HostFiles() : HostFolderTest("orl-files-", 4800) {}
};

TEST_F(HostFiles, an_output_that_is_an_input_under_any_spelling_is_refused_and_the_input_kept)
{
    const auto original = bytesOf("in.wav");
    ASSERT_EQ(::link(path("in.wav").c_str(), path("alias.wav").c_str()), 0);
    fs::create_directory(path("sub"));
    fs::create_symlink("x.wav", path("link.wav")); // to a file not there yet
    ASSERT_EQ(
        runHost("render --tail 0 --state-out " + path("s.state") + " " + path("o.wav")).status, 0);
    PresetBank bank(nullptr, false);
    ASSERT_TRUE(bank.savePresetFile(path("p.orl")));
    const std::string in = path("in.wav");
    for (const std::string& arguments :
         {in + " " + in, in + " " + path("alias.wav"),
          "--state-out " + in + " " + in + " " + path("x.wav"),
          "--state-out " + path("x.wav") + " " + path("x.wav"),
          "--state-in " + path("s.state") + " " + path("s.state"),
          "--preset-file " + path("p.orl") + " " + path("p.orl"),
          "--state-in " + path("s.state") + " --state-out " + path("./s.state") + " " +
              path("x.wav"),
          "--state-out " + path("sub/../x.wav") + " " + path("x.wav"),
          "--state-out " + path("link.wav") + " " + path("x.wav")})
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
    ASSERT_EQ(runHost("render --tail 0 " + path("in.wav") + " " + path("pipe") + " && wait",
                      "cat " + path("pipe") + " > " + path("copy.wav") + " & ")
                  .status,
              0);
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
    // Temporaries of both namings, each a finished output that a killed run never put in place.
    const std::string pid = std::to_string(::getpid()), dead = std::to_string(deadProcess());
    for (const std::string& name : {".ORLtmp-" + dead + "-2", "out.wav.part-" + dead})
        std::ofstream(path(name)) << "left by a killed render";
    for (const std::string& name : {".ORLtmp-" + pid + "-1", "out.wav.part-" + pid})
        std::ofstream(path(name)) << "being written";
    const RunResult r = runHost("render --tail 0.05 " + path("in.wav") + " " + path("out.wav"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("interrupted"), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(path(".ORLtmp-" + dead + "-2")));
    EXPECT_FALSE(fs::exists(path("out.wav.part-" + dead)));
    EXPECT_TRUE(fs::exists(path(".ORLtmp-" + pid + "-1"))) << "a running writer's file stays";
    EXPECT_TRUE(fs::exists(path("out.wav.part-" + pid))) << "a running writer's file stays";
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
    EXPECT_EQ(runHost("render " + path("missing.wav") + " " + path("x.wav")).status, 1);
    std::ofstream(path("junk.orl")) << "junk";
    EXPECT_EQ(runHost("render --preset-file " + path("junk.orl") + " " + path("x.wav")).status, 2);
    EXPECT_EQ(runHost("render --state-in " + path("missing.state") + " " + path("x.wav")).status,
              1);

    r = runHost("render --tail 0 --layout mono " + path("in.wav") + " " + path("x.wav"));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("channel 1 of the input is left out"), std::string::npos) << r.out;
}
} // namespace
