#include <CurrentFolder.h>
#include <FileAccess.h>
#include <TempFolder.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
TEST(CurrentFolder, is_the_working_folder_in_utf8_with_its_separator_until_one_is_remembered)
{
    const std::string scratch = makeTempFolder("orl-folder-");
    ASSERT_FALSE(scratch.empty());
    const std::string folder =
        scratch + platform::kPathSeparator + "Pr\xc3\xa9r\xc3\xa9glages \xe2\x99\xaa";
    ASSERT_TRUE(std::filesystem::create_directory(platform::pathFromUtf8(folder)));
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(platform::pathFromUtf8(folder));
    const std::string working = platform::currentFolder();
    std::filesystem::current_path(before);
    std::filesystem::remove_all(platform::pathFromUtf8(scratch));
    EXPECT_EQ(working, folder + platform::kPathSeparator);

    platform::setCurrentFolder("");
    EXPECT_EQ(platform::currentFolder(), platform::utf8FromPath(before) + platform::kPathSeparator)
        << "an empty folder is not remembered";
    platform::setCurrentFolder(folder + "/");
    EXPECT_EQ(platform::currentFolder(), folder + "/");
}
} // namespace
