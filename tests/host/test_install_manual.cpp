#include "cli/InstallManualCommand.h"

#include <Manual.h>
#include <ScratchStore.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

TEST(InstallManual, records_the_absolute_path_of_an_existing_manual_and_refuses_a_missing_one)
{
    ScratchStore store;
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::path(ORL_SOURCE_MANUAL).parent_path());
    EXPECT_EQ(runInstallManual({"manual.html"}), 0);
    std::filesystem::current_path(cwd);
    EXPECT_EQ(manualPath(), ORL_SOURCE_MANUAL) << "relative paths are made absolute";

    EXPECT_EQ(runInstallManual({store.root() + "/missing.html"}), 1);
    EXPECT_EQ(manualPath(), ORL_SOURCE_MANUAL) << "a refused file changes nothing";
    EXPECT_NE(storeManualPath(std::string(1025, 'a')), 0);
}

TEST(InstallManual, without_a_file_it_records_the_manual_installed_with_the_program_or_asks_for_one)
{
    ScratchStore store;
    const std::string data = store.root() + "/data";
    // No other test of this program reads these.
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    ::setenv("XDG_DATA_DIRS", (store.root() + "/none").c_str(), 1);
    // The test program has no manual beside it: nothing is recorded.
    EXPECT_EQ(runInstallManual({}), 2);
    EXPECT_EQ(manualPath(), "");
    std::filesystem::create_directories(data + "/doc/orl-chordwell");
    std::filesystem::copy_file(ORL_SOURCE_MANUAL, data + "/" + kInstalledManual);
    EXPECT_EQ(runInstallManual({}), 0);
    EXPECT_EQ(manualPath(), data + "/" + kInstalledManual);
}
