#include "BankTestSupport.h"

#include <HintsFlag.h>
#include <Manual.h>
#include <MemoSlots.h>
#include <MessageBox.h>
#include <PresetBank.h>
#include <RegistrySettings.h>
#include <ScratchStore.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <tuple>

using platform::StoredValue;

namespace
{
TEST(RegistryValues, settings_outside_0_to_1_or_of_another_size_keep_the_default)
{
    ScratchStore scratch;
    double value = 0.7;
    EXPECT_EQ(readSetting(45, value), platform::kStoreNotFound);
    EXPECT_EQ(value, 0.7);

    EXPECT_EQ(writeSetting(45, 0.25), platform::kStoreOk);
    EXPECT_EQ(readSetting(45, value), platform::kStoreOk);
    EXPECT_EQ(value, 0.25);
    EXPECT_EQ(readSetting(46, value), platform::kStoreOk) << "the store exists";
    EXPECT_EQ(value, 0.25);

    auto store = productSettings();
    for (float bad : {1.5f, -0.2f})
    {
        writeSetting(45, bad);
        value = 0.5;
        readSetting(45, value);
        EXPECT_EQ(value, 0.5);
    }
    const double longer = 0.5;
    store.write(settingName(45), StoredValue::binary(&longer, sizeof longer));
    readSetting(45, value = 0.9);
    EXPECT_EQ(value, 0.9);
}

TEST(RegistryValues, a_destroyed_bank_stores_the_hints_flag_and_its_file_locations)
{
    banktest::ScratchFolder files;
    {
        PresetBank tool(nullptr, false);
    }
    EXPECT_FALSE(productSettings().exists()) << "a scratch bank stores nothing";
    EXPECT_EQ(hintsFlag(), 1) << "on without a stored flag";
    setHintsFlag(0);
    {
        PresetBank bank(nullptr);
        bank.saveBankFile(files.path("my.orb"));
    }
    setHintsFlag(1);
    StoredValue value;
    const auto store = productSettings();
    ASSERT_EQ(store.read("ORLChordwell: 45", value), platform::kStoreOk);
    EXPECT_EQ(value.data, std::vector<uint8_t>(4, 0)) << "0.0f";
    for (const auto& [name, expected] :
         {std::pair<std::string, std::string>{"CurrDir", files.root() + "/"},
          {"CurrBank", "my.orb"},
          {"CurrPreset", ""}})
    {
        ASSERT_EQ(store.read(name, value), platform::kStoreOk) << name;
        EXPECT_EQ(value.type, platform::StoredType::String) << name;
        EXPECT_EQ(std::string(value.data.begin(), value.data.end()), expected) << name;
    }
}

TEST(RegistryValues, a_recalled_memo_replaces_working_values_and_keeps_the_compare_state)
{
    ScratchStore scratch;
    PresetBank bank(nullptr);
    bank.selectPreset(3);
    EXPECT_EQ(recallMemo(MemoSlot::A, bank), LoadResult::Unreadable) << "empty slot";
    EXPECT_STREQ(bank.presetName(3), "Low & Dark");

    ASSERT_EQ(storeMemo(MemoSlot::A, bank), platform::kStoreOk);
    bank.selectPreset(1);
    bank.setParameterValue(2, 0.9);
    EXPECT_EQ(recallMemo(MemoSlot::A, bank), LoadResult::Loaded);
    EXPECT_STREQ(bank.presetName(1), "Low & Dark");
    EXPECT_FLOAT_EQ(bank.workingPreset(1).values[2], 0.6f);
    EXPECT_TRUE(bank.isEdited(1)) << "nothing committed";
    EXPECT_FLOAT_EQ(bank.storedPreset(1).values[2], 0.5f);
    bank.toggleCompare();
    EXPECT_STREQ(bank.presetName(1), "Bright") << "COMPARE shows the state from before";

    // A damaged memo goes through the image reader's refusals and changes nothing.
    PresetBank other(nullptr);
    auto image = other.makePresetImage();
    banktest::setValue(image, 0, 4, 1.5f);
    productSettings().write("MemoB", StoredValue::binary(image.data(), image.size()));
    EXPECT_EQ(recallMemo(MemoSlot::B, other), LoadResult::Refused);
    EXPECT_FLOAT_EQ(other.workingPreset(0).values[4], 0.5f);
}

std::string openedPath, shownText = "none", shownCaption;
int shellResult = 0;
int fakeOpen(const std::string& path)
{
    openedPath = path;
    return shellResult;
}
void captureBox(const std::string& text, const std::string& caption)
{
    shownText = text;
    shownCaption = caption;
}

TEST(RegistryValues, the_manual_shows_which_message_fits_the_shells_answer)
{
    ScratchStore scratch;
#ifndef _WIN32
    // No installed manual either.
    setenv("XDG_DATA_HOME", scratch.root().c_str(), 1);
    setenv("XDG_DATA_DIRS", scratch.root().c_str(), 1);
#endif
    const auto previous = platform::setMessageBoxHandler(captureBox);
    // Without a ManualPath, then with one the shell cannot open, then one it opens: no box.
    const std::tuple<int, std::string, std::string, std::string> cases[] = {
        {2, "", "Could not open user manual", ""},
        {31, "/opt/orl/manual.pdf", "Make sure Acrobat Reader is installed",
         "Could not open manual file"},
        {33, "/opt/orl/manual.pdf", "none", "none"}};
    for (const auto& [result, opened, box, caption] : cases)
    {
        shellResult = result;
        openedPath.clear();
        shownText = shownCaption = "none";
        openManual(fakeOpen);
        EXPECT_EQ(std::tie(openedPath, shownText, shownCaption), std::tie(opened, box, caption))
            << "shell answer " << result;
        productSettings().write("ManualPath", StoredValue::text("/opt/orl/manual.pdf"));
    }
    platform::setMessageBoxHandler(previous);
#ifndef _WIN32
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_DATA_DIRS");
#endif
}

#ifndef _WIN32
TEST(RegistryValues, without_a_stored_path_the_manual_is_the_installed_one_user_folder_first)
{
    ScratchStore scratch;
    const std::string user = scratch.root() + "/user", system = scratch.root() + "/system";
    setenv("XDG_DATA_HOME", user.c_str(), 1);
    setenv("XDG_DATA_DIRS", ("relative/folder:" + system).c_str(), 1);
    EXPECT_EQ(manualToOpen(), "") << "nothing installed";

    const auto install = [](const std::string& folder)
    {
        std::filesystem::create_directories(folder + "/doc/orl-chordwell");
        std::ofstream(folder + "/" + kInstalledManual) << "<html></html>";
        return folder + "/" + kInstalledManual;
    };
    const std::string systemManual = install(system);
    EXPECT_EQ(manualToOpen(), systemManual);
    const std::string userManual = install(user);
    EXPECT_EQ(manualToOpen(), userManual) << "the user's own installation comes first";

    storeManualPath("/opt/orl/manual.pdf");
    EXPECT_EQ(manualToOpen(), "/opt/orl/manual.pdf") << "a recorded path wins";
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_DATA_DIRS");
}
#endif
} // namespace
