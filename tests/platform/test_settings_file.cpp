// The settings store as one file (Linux only).
#include <ScratchStore.h>
#include <SettingsStore.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::SettingsStore;
using platform::StoredValue;

namespace
{
TEST(SettingsStore, lives_in_the_users_config_folder_unless_moved)
{
    ScratchStore scratch;
    EXPECT_EQ(platform::userStorePath("Orlund", "ORLChordwell", ScratchStore::kVariable),
              scratch.storeFile());
    const std::string oldXdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(platform::userStorePath("Orlund", "ORLChordwell", "ORL_NO_SUCH_VARIABLE"),
              "/cfg/Orlund/ORLChordwell.settings");
    setenv("XDG_CONFIG_HOME", "relative", 1);
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    if (!home.empty())
    {
        EXPECT_EQ(platform::userStorePath("Orlund", "ORLChordwell", nullptr),
                  home + "/.config/Orlund/ORLChordwell.settings");
    }
    if (oldXdg.empty())
        unsetenv("XDG_CONFIG_HOME");
    else
        setenv("XDG_CONFIG_HOME", oldXdg.c_str(), 1);
}

TEST(SettingsStore, a_damaged_file_reads_as_missing_and_is_kept_aside_by_the_next_write)
{
    ScratchStore scratch;
    SettingsStore store(scratch.storeFile());
    ASSERT_EQ(store.write("Old", StoredValue::text("kept")), platform::kStoreOk);
    std::string original;
    {
        std::ifstream in(scratch.storeFile(), std::ios::binary);
        original.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::string damaged = original;
    damaged[damaged.find("kept")] = 'K';
    std::ofstream(scratch.storeFile(), std::ios::binary | std::ios::trunc) << damaged;

    StoredValue value;
    EXPECT_FALSE(store.exists());
    EXPECT_EQ(store.read("Old", value), platform::kStoreNotFound);
    ASSERT_EQ(store.write("New", StoredValue::text("v")), platform::kStoreOk);
    EXPECT_EQ(store.read("New", value), platform::kStoreOk);
    EXPECT_EQ(store.read("Old", value), platform::kStoreNotFound);

    int asideCount = 0;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.root()))
    {
        if (entry.path().filename().string().find(".damaged-") == std::string::npos)
            continue;
        ++asideCount;
        std::ifstream in(entry.path(), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), damaged);
    }
    EXPECT_EQ(asideCount, 1);
}

TEST(SettingsStore, a_fifo_in_its_place_never_blocks_and_a_failed_write_is_told)
{
    ScratchStore scratch;
    ASSERT_EQ(::mkfifo(scratch.storeFile().c_str(), 0600), 0);
    SettingsStore store(scratch.storeFile());
    StoredValue value;
    EXPECT_EQ(store.read("Any", value), platform::kStoreNotFound) << "read without waiting";
    ASSERT_EQ(store.write("New", StoredValue::text("v")), platform::kStoreOk);
    EXPECT_EQ(store.read("New", value), platform::kStoreOk);

    // A store whose folder is a file cannot be written: the caller hears it, and so does the
    // user.
    std::ofstream(scratch.root() + "/plain") << "x";
    SettingsStore blocked(scratch.root() + "/plain/ORLChordwell.settings");
    testing::internal::CaptureStderr();
    EXPECT_EQ(blocked.write("New", StoredValue::text("v")), platform::kStoreFailed);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot be written"), std::string::npos) << said;
}

TEST(SettingsStore, writers_in_several_processes_never_lose_each_others_values)
{
    ScratchStore scratch;
    constexpr int kProcesses = 4, kValues = 20;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p)
    {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
        {
            SettingsStore store(scratch.storeFile());
            for (int v = 0; v < kValues; ++v)
                store.write(std::to_string(p) + "/" + std::to_string(v), StoredValue::text("x"));
            _exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children)
    {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    SettingsStore store(scratch.storeFile());
    StoredValue value;
    for (int p = 0; p < kProcesses; ++p)
        for (int v = 0; v < kValues; ++v)
            EXPECT_EQ(store.read(std::to_string(p) + "/" + std::to_string(v), value),
                      platform::kStoreOk);
}
} // namespace
