#include "HostFolderTest.h"

#include <FileReportCommand.h>
#include <PresetBank.h>
#include <PresetSources.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

namespace
{
class PresetSources : public HostFolderTest
{
  protected:
    PresetSources() : HostFolderTest("orl-sources-") {}
    void SetUp() override
    {
        HostFolderTest::SetUp();
        PresetBank bank(nullptr, false);
        bank.selectPreset(4);
        bank.setParameterValue(6, 0.5);
        bank.saveBankFile(path("bank.orb"));
        bank.selectPreset(2);
        bank.savePresetFile(path("high.orl"));
        std::ofstream(path("junk.orb")) << "junk";
    }
};

// Inspect's exit status and what it printed.
std::pair<int, std::string> inspect(const InspectOptions& options)
{
    ::testing::internal::CaptureStdout();
    const int status = runInspect(options);
    std::fflush(stdout);
    return {status, ::testing::internal::GetCapturedStdout()};
}

TEST_F(PresetSources, a_bank_gives_its_current_preset_or_the_one_asked_for)
{
    float values[8] = {};
    std::string error;
    PresetSourceOptions options;
    options.bankFile = path("bank.orb");
    ASSERT_TRUE(loadPresetSource(options, values, error)) << error;
    EXPECT_FLOAT_EQ(values[2], 0.75f) << "Almost reverb, current when saved";
    EXPECT_FLOAT_EQ(values[6], 0.5f);
    options.bankPreset = 3;
    ASSERT_TRUE(loadPresetSource(options, values, error)) << error;
    EXPECT_FLOAT_EQ(values[3], 0.75f) << "Low & Dark";

    PresetSourceOptions preset;
    preset.presetFile = path("high.orl");
    ASSERT_TRUE(loadPresetSource(preset, values, error)) << error;
    EXPECT_FLOAT_EQ(values[4], 0.75f);
}

TEST_F(PresetSources, invalid_files_and_contradicting_options_are_refused)
{
    float values[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    std::string error;
    PresetSourceOptions options;
    options.presetFile = path("bank.orb");
    EXPECT_FALSE(loadPresetSource(options, values, error));
    EXPECT_NE(error.find("not a valid preset file"), std::string::npos) << error;
    options.presetFile.clear();
    options.bankFile = path("junk.orb");
    EXPECT_FALSE(loadPresetSource(options, values, error));
    options.bankFile = path("bank.orb");
    options.bankPreset = 10;
    EXPECT_FALSE(loadPresetSource(options, values, error));
    options.bankFile.clear();
    options.bankPreset = 1;
    EXPECT_FALSE(loadPresetSource(options, values, error));
    EXPECT_EQ(values[0], 1.0f) << "nothing taken from refused files";
}

TEST_F(PresetSources, inspect_prints_every_preset_and_refuses_junk_with_status_2)
{
    InspectOptions options;
    options.file = path("bank.orb");
    options.json = true;
    const auto [status, printed] = inspect(options);
    ASSERT_EQ(status, 0);
    const auto out = nlohmann::json::parse(printed);
    EXPECT_EQ(out["type"], "bank");
    EXPECT_EQ(out["current"], 4);
    ASSERT_EQ(out["presets"].size(), 10u);
    EXPECT_EQ(out["presets"][3]["name"], "Low & Dark");
    EXPECT_EQ(out["presets"][3]["values"][2], 0.6);
    EXPECT_EQ(out["presets"][3]["texts"][2], "60.0 %");

    options.file = path("junk.orb");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(runInspect(options), 2);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("not a valid"), std::string::npos);
}

TEST_F(PresetSources, inspect_shows_windows_names_as_text_and_escapes_controls_and_the_path)
{
    PresetBank bank(nullptr, false);
    bank.renameCurrentPreset("\xC0 la claire fontaine!!"); // Windows-1252
    bank.selectPreset(1);
    bank.renameCurrentPreset("\xC2\x9B"
                             "31m\xC2\x85"); // UTF-8 C1 controls
    bank.selectPreset(2);
    bank.renameCurrentPreset("\x81\x9B"); // an unassigned byte and a 1252 character
    bank.selectPreset(3);
    bank.renameCurrentPreset("\x1b[2J\nfake\\");
    // A path with a raw C1 byte, an encoded C1 control and an ordinary accent.
    const std::string file = path("b\x9B"
                                  "1m\xC2\x9B"
                                  "2J\xC3\xA9.orb");
    ASSERT_TRUE(bank.saveBankFile(file));

    InspectOptions options;
    options.file = file;
    const auto [status, text] = inspect(options);
    EXPECT_EQ(status, 0);
    EXPECT_NE(text.find("b\\x9b1m\\x9b2J\xC3\xA9.orb"), std::string::npos) << text;
    EXPECT_NE(text.find("\"\xC3\x80 la claire fontaine!!\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"\\x9b31m\\x85\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"\\x81\xE2\x80\xBA\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"\\x1b[2J\\x0afake\\x5c\""), std::string::npos) << text;
    for (const char* raw : {"\x9B", "\xC2\x9B", "\xC2\x85", "\xC0", "\x1b"})
        EXPECT_EQ(text.find(raw), std::string::npos) << text;

    options.json = true;
    const auto [jsonStatus, printed] = inspect(options);
    EXPECT_EQ(jsonStatus, 0);
    const auto out = nlohmann::json::parse(printed);
    EXPECT_EQ(out["presets"][0]["name"], "\xC3\x80 la claire fontaine!!");
    EXPECT_EQ(out["presets"][2]["name"], "\xC2\x81\xE2\x80\xBA");
}
} // namespace
