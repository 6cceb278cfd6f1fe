#include "HostFolderTest.h"
#include "RunHost.h"

#include <PresetBank.h>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace
{
namespace fs = std::filesystem;

class HostInputs : public HostFolderTest
{
  protected:
    HostInputs() : HostFolderTest("orl-inputs-") {}
    void append(const std::string& name, size_t bytes) const
    {
        std::ofstream(path(name), std::ios::app | std::ios::binary) << std::string(bytes, 'j');
    }
};

TEST_F(HostInputs, words_the_command_would_misread_or_ignore_are_refused)
{
    const std::string out = " " + path("x.wav");
    for (const std::string words :
         {"--tail 0x10", "--tail ''", "--tail inf", "--preset ''", "--layout ''", "--state-out ''",
          "--state-in ''", "--plugin ''", "--automate decay@0x1=0.5", "--block 0",
          "--preset Cathedral", "--set 2=nan"})
    {
        const RunResult r = runHost("render " + words + out);
        EXPECT_EQ(r.status, 2) << words << ": " << r.out;
    }
    EXPECT_FALSE(fs::exists(path("x.wav")));
    EXPECT_EQ(runHost("render --tail 0.5e-1" + out).status, 0);
}

TEST_F(HostInputs, preset_and_bank_files_with_bytes_after_their_image_are_refused)
{
    PresetBank bank(nullptr, false);
    ASSERT_TRUE(bank.savePresetFile(path("p.orl")));
    ASSERT_TRUE(bank.saveBankFile(path("b.orb")));
    const std::string out = " " + path("x.wav");
    ASSERT_EQ(runHost("render --tail 0 --preset-file " + path("p.orl") + out).status, 0);
    ASSERT_EQ(runHost("inspect " + path("b.orb")).status, 0);
    fs::remove(path("x.wav"));
    append("p.orl", 1);
    append("b.orb", 2 << 20);
    for (const std::string& command : {"render --tail 0 --preset-file " + path("p.orl") + out,
                                       "render --tail 0 --bank-file " + path("b.orb") + out,
                                       "inspect " + path("p.orl"), "inspect " + path("b.orb")})
    {
        const RunResult r = runHost(command);
        EXPECT_EQ(r.status, 2) << command << ": " << r.out;
        EXPECT_NE(r.out.find("after its image"), std::string::npos) << r.out;
    }
    EXPECT_FALSE(fs::exists(path("x.wav")));
}

TEST_F(HostInputs, a_wav_without_a_sample_rate_is_named_invalid)
{
    AudioBuffer audio;
    audio.channels.assign(1, std::vector<float>(16, 0.0f));
    std::string error;
    ASSERT_TRUE(writeFloatWav(path("zero.wav"), audio, error)) << error;
    {
        // The fmt chunk's sample rate, 24 bytes into the file.
        std::fstream file(path("zero.wav"), std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(24);
        file.write("\0\0\0\0", 4);
    }
    const RunResult r = runHost("render " + path("zero.wav") + " " + path("x.wav"));
    EXPECT_EQ(r.status, 2) << r.out;
    EXPECT_NE(r.out.find("not a valid audio file: its sample rate is 0"), std::string::npos)
        << r.out;
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
    if (::geteuid() == 0 && std::system("command -v runuser >/dev/null") == 0)
    {
        ::chmod(folder.c_str(), 0777);
        ::chmod(store.c_str(), 0777);
        EXPECT_EQ(runHost("install-manual " + manual, "runuser -u nobody -- env " + env).status, 1);
    }
    else if (::geteuid() != 0)
    {
        EXPECT_EQ(runHost("install-manual " + manual, env).status, 1);
    }
    EXPECT_FALSE(fs::exists(store + "/ORLChordwell.settings"));
}
} // namespace
