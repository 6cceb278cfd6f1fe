#include "HostFolderTest.h"

#include <PresetBank.h>

namespace
{
using HostInputs = HostFolderTest<>;

TEST_F(HostInputs, words_the_command_would_misread_or_ignore_are_refused)
{
    const std::string out = " " + path("x.wav");
    for (const std::string words :
         {"--tail 0x10", "--tail ''", "--tail inf", "--preset ''", "--layout ''", "--state-out ''",
          "--state-in ''", "--plugin ''", "--automate decay@0x1=0.5", "--block 0",
          "--preset Cathedral", "--set 2=nan"})
        EXPECT_TRUE(hostExits(2, "render " + words + out));
    EXPECT_FALSE(fs::exists(path("x.wav")));
    EXPECT_TRUE(hostExits(0, "render --tail 0.5e-1" + out));
}

TEST_F(HostInputs, preset_bank_and_wav_files_with_bytes_that_do_not_fit_are_refused)
{
    PresetBank bank(nullptr, false);
    ASSERT_TRUE(bank.savePresetFile(path("p.orl")));
    ASSERT_TRUE(bank.saveBankFile(path("b.orb")));
    const std::string out = " " + path("x.wav");
    ASSERT_TRUE(hostExits(0, "render --tail 0 --preset-file " + path("p.orl") + out));
    ASSERT_TRUE(hostExits(0, "inspect " + path("b.orb")));
    fs::remove(path("x.wav"));
    std::ofstream(path("p.orl"), std::ios::app) << 'j';
    std::ofstream(path("b.orb"), std::ios::app) << std::string(2 << 20, 'j');
    for (const std::string& command : {"render --tail 0 --preset-file " + path("p.orl") + out,
                                       "render --tail 0 --bank-file " + path("b.orb") + out,
                                       "inspect " + path("p.orl"), "inspect " + path("b.orb")})
        EXPECT_TRUE(hostExits(2, command, "after its image"));

    AudioBuffer audio;
    audio.channels.assign(1, std::vector<float>(16, 0.0f));
    std::string error;
    ASSERT_TRUE(writeFloatWav(path("zero.wav"), audio, error)) << error;
    // The fmt chunk's sample rate, 24 bytes into the file.
    std::fstream(path("zero.wav"), std::ios::in | std::ios::out | std::ios::binary)
        .seekp(24)
        .write("\0\0\0\0", 4);
    EXPECT_TRUE(hostExits(2, "render " + path("zero.wav") + out,
                          "not a valid audio file: its sample rate is 0"));
    EXPECT_FALSE(fs::exists(path("x.wav")));
}

TEST_F(HostInputs, the_settings_store_is_written_only_through_files_of_its_own)
{
    const std::string store = path("store");
    fs::create_directories(store);
    const std::string manual = path("manual.html");
    std::ofstream(manual) << "<html></html>";
    std::ofstream(path("victim")) << "not the store's";
    fs::create_symlink(path("victim"), store + "/ORLChordwell.settings.lock");
    const std::string env = "ORL_CHORDWELL_STORE_DIR=" + store + " ";
    const RunResult r = runHost("install-manual " + manual, env);
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_FALSE(fs::exists(store + "/ORLChordwell.settings"));
    // One warning, with its reason.
    const size_t first = r.out.find("settings store");
    ASSERT_NE(first, std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("settings store", first + 1), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("symbolic links"), std::string::npos) << r.out;
    fs::remove(store + "/ORLChordwell.settings.lock");

    // A manual the process may not read is not recorded; root reads everything, so the
    // check runs as nobody where it can.
    ASSERT_EQ(::chmod(manual.c_str(), 0), 0);
    const bool root = ::geteuid() == 0;
    if (root && std::system("command -v runuser >/dev/null") == 0)
    {
        ::chmod(folder.c_str(), 0777);
        ::chmod(store.c_str(), 0777);
        EXPECT_TRUE(
            hostExits(1, "install-manual " + manual, "", "runuser -u nobody -- env " + env));
    }
    else if (!root)
    {
        EXPECT_TRUE(hostExits(1, "install-manual " + manual, "", env));
    }
    EXPECT_FALSE(fs::exists(store + "/ORLChordwell.settings"));
}
} // namespace
