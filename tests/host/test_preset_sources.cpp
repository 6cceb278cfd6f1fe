#include "HostFolderTest.h"

#include <PresetBank.h>
#include <cli/FileContentsCommand.h>
#include <render/PresetSources.h>

#include <nlohmann/json.hpp>

namespace
{
using PresetSources = HostFolderTest<>;

// Inspect's exit status and what it printed.
std::pair<int, std::string> inspect(const InspectOptions& options)
{
    ::testing::internal::CaptureStdout();
    const int status = runInspect(options);
    std::fflush(stdout);
    return {status, ::testing::internal::GetCapturedStdout()};
}

TEST_F(PresetSources, files_give_the_chosen_presets_values_and_refused_ones_give_nothing)
{
    PresetBank bank(nullptr, false);
    bank.selectPreset(4);
    bank.setParameterValue(6, 0.5);
    ASSERT_TRUE(bank.saveBankFile(path("bank.orb")));
    bank.selectPreset(2);
    ASSERT_TRUE(bank.savePresetFile(path("high.orl")));
    std::ofstream(path("junk.orb")) << "junk";
    struct Case
    {
        std::string presetFile, bankFile;
        std::optional<int> bankPreset;
        int slot;
        float value; // -1: refused
    };
    const Case cases[] = {
        {"", path("bank.orb"), {}, 2, 0.75f}, // Almost reverb, current when saved
        {"", path("bank.orb"), {}, 6, 0.5f},
        {"", path("bank.orb"), 3, 3, 0.75f}, // Low & Dark
        {path("high.orl"), "", {}, 4, 0.75f},
        {path("bank.orb"), "", {}, 0, -1.0f},
        {"", path("junk.orb"), {}, 0, -1.0f},
        {"", path("bank.orb"), 10, 0, -1.0f},
        {"", "", 1, 0, -1.0f},
    };
    for (const Case& c : cases)
    {
        float values[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
        std::string error;
        const bool loaded =
            loadPresetSource({c.presetFile, c.bankFile, c.bankPreset}, values, error);
        EXPECT_EQ(loaded, c.value >= 0.0f) << c.presetFile << c.bankFile << ": " << error;
        EXPECT_FLOAT_EQ(values[c.slot], c.value) << c.presetFile << c.bankFile << " " << c.slot;
    }
}

TEST_F(PresetSources, inspect_shows_windows_names_as_text_escapes_controls_and_refuses_junk)
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
    EXPECT_EQ(out["type"], "bank");
    EXPECT_EQ(out["current"], 3);
    ASSERT_EQ(out["presets"].size(), 10u);
    EXPECT_EQ(out["presets"][0]["name"], "\xC3\x80 la claire fontaine!!");
    EXPECT_EQ(out["presets"][2]["name"], "\xC2\x81\xE2\x80\xBA");
    EXPECT_EQ(out["presets"][3]["values"][2], 0.6);
    EXPECT_EQ(out["presets"][3]["texts"][2], "60.0 %");

    std::ofstream(path("junk.orb")) << "junk";
    options.file = path("junk.orb");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(runInspect(options), 2);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("not a valid"), std::string::npos);
}
} // namespace
