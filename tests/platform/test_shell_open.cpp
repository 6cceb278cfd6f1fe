#include <ShellOpen.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace
{
TEST(ShellOpen, a_missing_document_is_a_failure_other_than_no_application)
{
    EXPECT_EQ(platform::shellOpen(""), platform::kShellFileNotFound);
    EXPECT_EQ(platform::shellOpen("/no/such/manual.pdf"), platform::kShellFileNotFound);
}

TEST(ShellOpen, a_web_address_goes_to_the_same_opener_as_documents)
{
    // A stand-in xdg-open first on PATH records what it was asked to open.
    const auto folder =
        std::filesystem::temp_directory_path() / ("orl-opener-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto record = folder / "opened";
    std::ofstream(folder / "xdg-open")
        << "#!/bin/sh\nprintf '%s' \"$1\" > " << record.string() << "\n";
    std::filesystem::permissions(folder / "xdg-open", std::filesystem::perms::owner_all);
    const std::string path = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    ::setenv("PATH", (folder.string() + ":" + path).c_str(), 1);
    const int result = platform::shellOpen("https://www.orlund.example/chordwell");
    ::setenv("PATH", path.c_str(), 1);
    std::ifstream in(record);
    const std::string opened((std::istreambuf_iterator<char>(in)), {});
    std::filesystem::remove_all(folder);
    EXPECT_EQ(result, platform::kShellOpened);
    EXPECT_EQ(opened, "https://www.orlund.example/chordwell");
    EXPECT_EQ(platform::shellOpen("ftp://nowhere"), platform::kShellFileNotFound);
}
} // namespace
