#include "BankTestSupport.h"

#include <FileNames.h>
#include <ImageFile.h>
#include <PresetBank.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace banktest;

namespace
{
std::vector<uint8_t> fileBytes(const std::string& path)
{
    return readImageFile(path, false).value_or(std::vector<uint8_t>{});
}

TEST(PresetFiles, fix_extension_keeps_exactly_one_ending)
{
    EXPECT_EQ(fixExtension("a.orl.orl", "orl"), "a.orl");
    EXPECT_EQ(fixExtension("a", "orl"), "a.orl");
    EXPECT_EQ(fixExtension("a.ORL", "orl"), "a.ORL.orl");
    EXPECT_EQ(fixExtension("", "orb"), ".orb");
}

TEST(PresetFiles, a_bank_saved_read_and_saved_again_is_byte_identical)
{
    ScratchFolder scratch;
    PresetBank bank(nullptr);
    bank.selectPreset(8);
    bank.setParameterValue(6, 0.3);
    bank.renameCurrentPreset("Round trip");
    ASSERT_TRUE(bank.saveBankFile(scratch.path("one.orb")));
    ASSERT_TRUE(bank.savePresetFile(scratch.path("one.orl")));
    EXPECT_EQ(std::filesystem::file_size(scratch.path("one.orb")), 4281u);
    EXPECT_EQ(std::filesystem::file_size(scratch.path("one.orl")), 465u);
    EXPECT_EQ(bank.folder(), scratch.root() + "/");
    EXPECT_EQ(bank.bankFileName(), "one.orb");
    EXPECT_EQ(bank.presetFileName(), "one.orl");

    PresetBank other(nullptr);
    EXPECT_EQ(other.loadBankFile(scratch.path("one.orb")), LoadResult::Loaded);
    ASSERT_TRUE(other.saveBankFile(scratch.path("two.orb")));
    EXPECT_EQ(fileBytes(scratch.path("one.orb")), fileBytes(scratch.path("two.orb")));
    EXPECT_EQ(other.currentIndex(), 8);
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
    {
        std::ofstream(scratch.path("short.orl")) << "lWc";
        std::ofstream(scratch.path("text.orb")) << "not a bank at all";
    }
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

    // A FIFO in a file's place is neither waited on nor written.
    ASSERT_EQ(::mkfifo(scratch.path("pipe.orb").c_str(), 0600), 0);
    EXPECT_EQ(bank.loadBankFile(scratch.path("pipe.orb")), LoadResult::Unreadable);
    EXPECT_FALSE(bank.saveBankFile(scratch.path("pipe.orb")));
    EXPECT_FALSE(bank.savePresetFile(scratch.path("pipe.orb")));
    EXPECT_EQ(std::filesystem::status(scratch.path("pipe.orb")).type(),
              std::filesystem::file_type::fifo);

    ASSERT_TRUE(bank.saveBankFile(scratch.path("ro.orb")));
    std::filesystem::permissions(scratch.path("ro.orb"), std::filesystem::perms::owner_read);
    if (::geteuid() != 0)
    {
        EXPECT_EQ(bank.loadBankFile(scratch.path("ro.orb")), LoadResult::Unreadable)
            << "a file that cannot be opened for writing is not loaded";
    }
}
} // namespace
