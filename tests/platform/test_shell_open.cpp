#include <FileAccess.h>
#include <ShellOpen.h>
#include <TempFolder.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace
{
TEST(ShellOpen, a_missing_document_is_a_failure_other_than_no_application)
{
    EXPECT_EQ(platform::shellOpen(""), platform::kShellFileNotFound);
    EXPECT_EQ(platform::shellOpen("/no/such/manual.pdf"), platform::kShellFileNotFound);
    EXPECT_EQ(platform::shellOpen("ftp://nowhere"), platform::kShellFileNotFound);
}

#ifdef _WIN32
TEST(ShellOpen, a_document_of_no_known_type_in_a_non_ascii_folder_has_no_application)
{
    // Found under its UTF-16 name, then refused for its type: the shell's 31, not 2.
    const std::string scratch = makeTempFolder("orl-opener-");
    ASSERT_FALSE(scratch.empty());
    const std::string folder = scratch + "\\Pr\xc3\xa9r\xc3\xa9glages \xe2\x99\xaa";
    std::filesystem::create_directory(platform::pathFromUtf8(folder));
    const std::string manual = folder + "\\manual.orl-no-such-type";
    std::ofstream(platform::pathFromUtf8(manual)) << "manual";
    const int result = platform::shellOpen(manual);
    std::filesystem::remove_all(platform::pathFromUtf8(scratch));
    EXPECT_EQ(result, platform::kShellNoApplication);
}
#else
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
}
#endif
} // namespace
