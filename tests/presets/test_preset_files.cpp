#include "BankTestSupport.h"

#include <FileAccess.h>
#include <FileNames.h>
#include <ImageFile.h>
#include <PresetBank.h>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace banktest;

namespace
{
std::vector<uint8_t> fileBytes(const std::string& path)
{
    return readImageFile(path, false).value_or(std::vector<uint8_t>{});
}

TEST(PresetFiles, fix_extension_keeps_exactly_one_ending)
{
    for (const auto& [name, fixed] :
         {std::pair{"a.orl.orl", "a.orl"}, {"a", "a.orl"}, {"a.ORL", "a.ORL.orl"}, {"", ".orl"}})
        EXPECT_EQ(fixExtension(name, "orl"), fixed) << name;
}

TEST(PresetFiles, a_loaded_bank_is_every_stored_preset_of_the_file_the_last_too_with_no_edits)
{
    ScratchFolder scratch;
    PresetBank source(nullptr);
    for (int q = 0; q < PresetBank::kPresetCount; ++q)
    {
        source.selectPreset(q);
        source.setParameterValue(2 + q % 5, 0.31 + 0.01 * q);
        source.renameCurrentPreset(("File " + std::to_string(q)).c_str());
    }
    source.selectPreset(4);
    ASSERT_TRUE(source.saveBankFile(scratch.path("all.orb")));
    ASSERT_TRUE(source.savePresetFile(scratch.path("four.orl")));
    EXPECT_EQ(source.folder(), scratch.root() + "/");
    EXPECT_EQ(source.bankFileName(), "all.orb");
    EXPECT_EQ(source.presetFileName(), "four.orl");

    // Every preset edited and differently named before the load.
    PresetBank bank(nullptr);
    for (int q = 0; q < PresetBank::kPresetCount; ++q)
    {
        bank.selectPreset(q);
        bank.renameCurrentPreset("Mine");
        bank.setParameterValue(6, 0.9);
        ASSERT_TRUE(bank.isEdited(q));
    }
    ASSERT_EQ(bank.loadBankFile(scratch.path("all.orb")), LoadResult::Loaded);
    EXPECT_EQ(bank.currentIndex(), 4);
    for (int q = 0; q < PresetBank::kPresetCount; ++q)
    {
        SCOPED_TRACE(q);
        EXPECT_FALSE(bank.isEdited(q));
        EXPECT_STREQ(bank.storedPreset(q).name, source.storedPreset(q).name);
        EXPECT_STREQ(bank.presetName(q), source.storedPreset(q).name);
        const auto values = std::to_array(source.storedPreset(q).values);
        EXPECT_EQ(std::to_array(bank.storedPreset(q).values), values);
        EXPECT_EQ(std::to_array(bank.workingPreset(q).values), values);
    }
    // Compare has nothing else to offer than what was loaded.
    bank.toggleCompare();
    EXPECT_EQ(bank.workingPreset(4).values[6], source.storedPreset(4).values[6]);

    // Saved again, the bank is the same file byte for byte.
    ASSERT_TRUE(bank.saveBankFile(scratch.path("again.orb")));
    EXPECT_EQ(fileBytes(scratch.path("all.orb")), fileBytes(scratch.path("again.orb")));
    EXPECT_EQ(PresetBank(nullptr).folder(), scratch.root() + "/") << "new banks start there";
}

TEST(PresetFiles, a_preset_file_loads_into_the_current_preset_and_commits_it)
{
    ScratchFolder scratch;
    PresetBank source(nullptr);
    source.selectPreset(1);
    ASSERT_TRUE(source.savePresetFile(scratch.path("bright.orl")));
    ASSERT_TRUE(source.saveBankFile(scratch.path("bank.orb")));

    PresetBank bank(nullptr);
    bank.selectPreset(9);
    bank.setParameterValue(2, 0.9);
    EXPECT_EQ(bank.loadPresetFile(scratch.path("bright.orl")), LoadResult::Loaded);
    EXPECT_STREQ(bank.presetName(9), "Bright");
    EXPECT_FLOAT_EQ(bank.storedPreset(9).values[3], 0.05f);
    EXPECT_FALSE(bank.isEdited(9));

    bank.setParameterValue(2, 0.9);
    EXPECT_EQ(bank.loadPresetFile(scratch.path("bank.orb")), LoadResult::OtherType);
    EXPECT_FALSE(bank.isEdited(9)) << "the wrong type still commits";
    EXPECT_FLOAT_EQ(bank.storedPreset(9).values[2], 0.9f);
}

TEST(PresetFiles, unusable_files_and_paths_change_nothing)
{
    ScratchFolder scratch;
    std::ofstream(scratch.path("short.orl")) << "lWc";
    std::ofstream(scratch.path("text.orb")) << "not a bank at all";
    PresetBank bank(nullptr);
    bank.setParameterValue(2, 0.9);
    const auto before = bank.makeBankImage();
    EXPECT_EQ(bank.loadPresetFile(scratch.path("short.orl")), LoadResult::NotAnImage);
    EXPECT_EQ(bank.loadBankFile(scratch.path("text.orb")), LoadResult::NotAnImage);
    EXPECT_EQ(bank.loadBankFile(scratch.root()), LoadResult::Unreadable);
    EXPECT_EQ(bank.loadBankFile(scratch.path("missing.orb")), LoadResult::Unreadable);
    EXPECT_TRUE(bank.isEdited(0));
    EXPECT_EQ(bank.makeBankImage(), before);

    const std::string folderName = bank.folder();
    const std::string longName(257, 'n');
    EXPECT_EQ(bank.loadBankFile(scratch.path(longName)), LoadResult::Unreadable);
    EXPECT_FALSE(bank.saveBankFile("/" + std::string(256, 'f') + "/x.orb"));
    EXPECT_EQ(bank.folder(), folderName);
    EXPECT_EQ(bank.bankFileName(), "missing.orb") << "remembered, although not readable";

#ifdef _WIN32
    // A device in a file's place ("NUL", also with an extension) is neither read nor written.
    EXPECT_EQ(bank.loadBankFile(scratch.path("NUL.orb")), LoadResult::Unreadable);
    EXPECT_FALSE(bank.saveBankFile(scratch.path("NUL.orb")));
    EXPECT_FALSE(bank.savePresetFile(scratch.path("NUL")));
#else
    // A FIFO in a file's place is neither waited on nor written.
    ASSERT_EQ(::mkfifo(scratch.path("pipe.orb").c_str(), 0600), 0);
    EXPECT_EQ(bank.loadBankFile(scratch.path("pipe.orb")), LoadResult::Unreadable);
    EXPECT_FALSE(bank.saveBankFile(scratch.path("pipe.orb")));
    EXPECT_FALSE(bank.savePresetFile(scratch.path("pipe.orb")));
    EXPECT_EQ(std::filesystem::status(scratch.path("pipe.orb")).type(),
              std::filesystem::file_type::fifo);
#endif

    ASSERT_TRUE(bank.saveBankFile(scratch.path("ro.orb")));
    std::filesystem::permissions(scratch.path("ro.orb"), std::filesystem::perms::owner_read);
    // Root, under Wine too, may write a read-only file: then there is nothing to refuse.
    if (!std::fstream(scratch.path("ro.orb"), std::ios::in | std::ios::out).is_open())
    {
        EXPECT_EQ(bank.loadBankFile(scratch.path("ro.orb")), LoadResult::Unreadable)
            << "a file that cannot be opened for writing is not loaded";
    }
    std::filesystem::permissions(scratch.path("ro.orb"), std::filesystem::perms::owner_all);
}

TEST(PresetFiles, a_preset_saved_in_a_folder_named_beyond_ascii_loads_back)
{
    ScratchFolder scratch;
    const std::string name = "Pr\xc3\xa9r\xc3\xa9glages \xe2\x99\xaa";
    const std::string folder = scratch.path(name);
    ASSERT_TRUE(std::filesystem::create_directory(platform::pathFromUtf8(folder)));
    PresetBank source(nullptr);
    source.selectPreset(1);
    ASSERT_TRUE(source.savePresetFile(folder + "/Cl\xc3\xa9.orl"));

    // The system sees the folder and the file under their own names, not as mangled bytes.
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(platform::pathFromUtf8(folder)))
        found.push_back(platform::utf8FromPath(entry.path().filename()));
    EXPECT_EQ(found, std::vector<std::string>{"Cl\xc3\xa9.orl"});
    EXPECT_TRUE(std::filesystem::is_directory(platform::pathFromUtf8(scratch.root()) /
                                              std::u8string(name.begin(), name.end())));

    PresetBank bank(nullptr);
    EXPECT_EQ(bank.folder(), folder + "/") << "new banks start where the last file was";
    bank.selectPreset(6);
    EXPECT_EQ(bank.loadPresetFile(bank.folder() + "Cl\xc3\xa9.orl"), LoadResult::Loaded);
    EXPECT_STREQ(bank.presetName(6), "Bright");
}
} // namespace
