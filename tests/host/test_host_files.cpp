#include "HostFolderTest.h"

#include <PresetBank.h>
#include <PresetImage.h>

namespace
{
using HostFiles = HostFolderTest<4800>;

TEST_F(HostFiles, an_output_that_is_an_input_under_any_spelling_is_refused_and_the_input_kept)
{
    const auto original = bytesOf("in.wav");
    ASSERT_EQ(::link(path("in.wav").c_str(), path("alias.wav").c_str()), 0);
    fs::create_directory(path("sub"));
    fs::create_symlink("x.wav", path("link.wav")); // to a file not there yet
    ASSERT_TRUE(
        hostExits(0, "render --tail 0 --state-out " + path("s.state") + " " + path("o.wav")));
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
        EXPECT_TRUE(hostExits(2, "render --tail 0 " + arguments, "same file"));
    EXPECT_EQ(bytesOf("in.wav"), original);
    EXPECT_FALSE(fs::exists(path("x.wav")));
    EXPECT_EQ(bytesOf("p.orl").size(), presetimage::kPresetImageSize);
}

TEST_F(HostFiles, outputs_follow_symlinks_write_fifos_and_never_replace_folders)
{
    const std::string in = "render --tail 0 " + path("in.wav") + " ";
    fs::create_symlink(path("real.wav"), path("link.wav"));
    ASSERT_TRUE(hostExits(0, in + path("link.wav")));
    EXPECT_TRUE(fs::is_symlink(path("link.wav")));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path("real.wav"))));

    // A FIFO with a reader gets the whole file; without one the write is refused at once.
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    ASSERT_TRUE(hostExits(0, in + path("pipe") + " && wait", "",
                          "cat " + path("pipe") + " > " + path("copy.wav") + " & "));
    EXPECT_EQ(bytesOf("copy.wav"), bytesOf("real.wav"));
    EXPECT_TRUE(hostExits(1, in + path("pipe"), "no reader"));
    EXPECT_EQ(fs::status(path("pipe")).type(), fs::file_type::fifo);

    fs::create_directory(path("folder"));
    for (const std::string& command :
         {in + path("folder"), "snapshot " + path("folder"),
          "render --tail 0 --state-out " + path("folder") + " " + path("y.wav")})
        EXPECT_TRUE(hostExits(1, command));
    EXPECT_TRUE(fs::is_directory(path("folder")));
}

TEST_F(HostFiles,
       special_missing_junk_and_absurd_inputs_exit_with_their_own_codes_and_write_nothing)
{
    // A FIFO opened for reading without a writer would block here for ever.
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    std::ofstream(path("junk.orl")) << "junk";
    AudioBuffer fast;
    fast.sampleRate = 384000;
    fast.channels.assign(2, std::vector<float>(64, 0.0f));
    std::string error;
    ASSERT_TRUE(writeFloatWav(path("fast.wav"), fast, error)) << error;
    const std::string pipe = path("pipe"), x = " " + path("x.wav");
    const struct
    {
        int status;
        std::string command, text;
    } cases[] = {
        {1, "render --state-in " + pipe + x, ""},
        {1, "render --preset-file " + pipe + x, ""},
        {1, "render --bank-file " + pipe + x, ""},
        {1, "render " + pipe + x, ""},
        {1, "inspect " + pipe, ""},
        {1, "render " + folder.string() + x, ""},
        {1, "render --preset-file " + path("missing.orl") + x, ""},
        {1, "inspect " + path("missing.orl"), ""},
        {1, "render " + path("missing.wav") + x, ""},
        {1, "render --state-in " + path("missing.state") + x, ""},
        {2, "render --preset-file " + path("junk.orl") + x, ""},
        {2, "render --tail 3600 " + path("fast.wav") + x, "more than a WAV file holds"},
    };
    for (const auto& [status, command, text] : cases)
        EXPECT_TRUE(hostExits(status, command, text));
    EXPECT_FALSE(fs::exists(path("x.wav")));
    EXPECT_TRUE(hostExits(0, "render --tail 0 --layout mono " + path("in.wav") + x,
                          "channel 1 of the input is left out"));
}

TEST_F(HostFiles, killed_writers_litter_goes_and_equal_renders_give_equal_bytes)
{
    // Temporaries of both namings, each a finished output that a killed run never put in place.
    const std::string pid = std::to_string(::getpid()), dead = std::to_string(deadProcess());
    for (const std::string& name : {".ORLtmp-" + dead + "-2", "out.wav.part-" + dead})
        std::ofstream(path(name)) << "left by a killed render";
    for (const std::string& name : {".ORLtmp-" + pid + "-1", "out.wav.part-" + pid})
        std::ofstream(path(name)) << "being written";
    const std::string render = "render --tail 0.05 " + path("in.wav") + " " + path("out.wav");
    ASSERT_TRUE(hostExits(0, render, "interrupted"));
    EXPECT_FALSE(fs::exists(path(".ORLtmp-" + dead + "-2")));
    EXPECT_FALSE(fs::exists(path("out.wav.part-" + dead)));
    EXPECT_TRUE(fs::exists(path(".ORLtmp-" + pid + "-1"))) << "a running writer's file stays";
    EXPECT_TRUE(fs::exists(path("out.wav.part-" + pid))) << "a running writer's file stays";
    const auto first = bytesOf("out.wav");
    ASSERT_TRUE(hostExits(0, render));
    EXPECT_EQ(bytesOf("out.wav"), first);
    const std::string text(first.begin(), first.end());
    EXPECT_EQ(text.find("PEAK"), std::string::npos) << "no time-stamped peak chunk";

    const std::string store = path("store");
    fs::create_directories(store);
    const std::string stale = store + "/ORLChordwell.settings.tmp-" + std::to_string(deadProcess());
    std::ofstream(stale) << "left by a killed writer";
    ASSERT_TRUE(hostExits(0, "install-manual " + path("in.wav"), "",
                          "ORL_CHORDWELL_STORE_DIR=" + store + " "));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(store + "/ORLChordwell.settings"));
}
} // namespace
