#include <CurrentFolder.h>
#include <MessageBox.h>
#include <ShellOpen.h>

#include <gtest/gtest.h>

namespace
{
TEST(ShellOpen, a_missing_document_is_a_failure_other_than_no_application)
{
    EXPECT_EQ(platform::shellOpen(""), platform::kShellFileNotFound);
    EXPECT_EQ(platform::shellOpen("/no/such/manual.pdf"), platform::kShellFileNotFound);
}

std::string shownText, shownCaption;
void capture(const std::string& text, const std::string& caption)
{
    shownText = text;
    shownCaption = caption;
}

TEST(MessageBox, an_installed_box_replaces_the_stand_in)
{
    const auto previous = platform::setMessageBoxHandler(capture);
    platform::showMessageBox("text", "caption");
    EXPECT_EQ(shownText, "text");
    EXPECT_EQ(shownCaption, "caption");
    EXPECT_EQ(platform::setMessageBoxHandler(previous), &capture);
}

TEST(CurrentFolder, starts_in_the_working_directory_and_remembers_the_last_folder)
{
    const std::string start = platform::currentFolder();
    ASSERT_FALSE(start.empty());
    EXPECT_EQ(start.back(), '/');
    platform::setCurrentFolder("");
    EXPECT_EQ(platform::currentFolder(), start);
    platform::setCurrentFolder("/tmp/");
    EXPECT_EQ(platform::currentFolder(), "/tmp/");
}
} // namespace
