#include "InstallManualCommand.h"

#include <Manual.h>
#include <ScratchStore.h>

#include <gtest/gtest.h>

#include <filesystem>

TEST(InstallManual, records_the_absolute_path_of_an_existing_manual_and_refuses_a_missing_one)
{
    ScratchStore store;
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::path(ORL_DEFAULT_MANUAL).parent_path());
    EXPECT_EQ(runInstallManual({"manual.html"}), 0);
    std::filesystem::current_path(cwd);
    EXPECT_EQ(manualPath(), ORL_DEFAULT_MANUAL) << "relative paths are made absolute";

    EXPECT_EQ(runInstallManual({store.root() + "/missing.html"}), 1);
    EXPECT_EQ(manualPath(), ORL_DEFAULT_MANUAL) << "a refused file changes nothing";
    EXPECT_NE(storeManualPath(std::string(1025, 'a')), 0);
}
