// The settings store as one file (Linux only).
#include <ScratchStore.h>
#include <SettingsStore.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using platform::SettingsStore;
using platform::StoredValue;

// The store's file system calls as they happen, interposed the way the realtime watch
// interposes its calls: this executable defines them and passes each on.
namespace
{
bool recording = false;
std::vector<std::string> fileCalls;
} // namespace

extern "C" int fsync(int fd)
{
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    if (recording)
    {
        char path[4096] = {};
        const ssize_t n =
            ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path - 1);
        fileCalls.push_back("fsync " + std::string(path, n > 0 ? static_cast<size_t>(n) : 0));
    }
    return real(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept
{
    static const auto real =
        reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    if (recording)
        fileCalls.push_back(std::string("rename ") + from + " " + to);
    return real(from, to);
}

namespace
{
std::string fileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SettingsStore, a_write_reaches_the_disk_before_it_takes_the_old_files_place)
{
    ScratchStore scratch;
    SettingsStore store(scratch.storeFile());
    ASSERT_EQ(store.write("Old", StoredValue::text("kept")), platform::kStoreOk);
    fileCalls.clear();
    recording = true;
    const int result = store.write("New", StoredValue::text("v"));
    recording = false;
    ASSERT_EQ(result, platform::kStoreOk);
    // A temporary file takes the store's place, synced before it does.
    const std::string target = " " + scratch.storeFile();
    const auto renamed =
        std::find_if(fileCalls.begin(), fileCalls.end(),
                     [&](const std::string& call)
                     { return call.starts_with("rename /") && call.ends_with(target); });
    ASSERT_NE(renamed, fileCalls.end());
    const std::string temporary = renamed->substr(7, renamed->size() - 7 - target.size());
    const std::string synced = "fsync " + std::filesystem::weakly_canonical(temporary).string();
    EXPECT_NE(std::find(fileCalls.begin(), renamed, synced), renamed)
        << synced << " before " << *renamed;
    StoredValue value;
    EXPECT_EQ(store.read("Old", value), platform::kStoreOk);
}

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

TEST(SettingsStore, a_damaged_file_reads_as_missing_and_is_kept_aside_a_fifo_is_not_waited_on)
{
    ScratchStore scratch;
    SettingsStore store(scratch.storeFile());
    ASSERT_EQ(store.write("Old", StoredValue::text("kept")), platform::kStoreOk);
    std::string damaged = fileText(scratch.storeFile());
    damaged[damaged.find("kept")] = 'K';
    std::ofstream(scratch.storeFile(), std::ios::binary | std::ios::trunc) << damaged;

    StoredValue value;
    EXPECT_FALSE(store.exists());
    EXPECT_EQ(store.read("Old", value), platform::kStoreNotFound);
    ASSERT_EQ(store.write("New", StoredValue::text("v")), platform::kStoreOk);
    EXPECT_EQ(store.read("New", value), platform::kStoreOk);
    EXPECT_EQ(store.read("Old", value), platform::kStoreNotFound);

    std::vector<std::string> aside;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.root()))
        if (entry.path().filename().string().find(".damaged-") != std::string::npos)
            aside.push_back(fileText(entry.path()));
    EXPECT_EQ(aside, std::vector<std::string>{damaged});

    const std::string fifo = scratch.root() + "/fifo.settings";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    SettingsStore piped(fifo);
    EXPECT_EQ(piped.read("Any", value), platform::kStoreNotFound) << "read without waiting";
    ASSERT_EQ(piped.write("New", StoredValue::text("v")), platform::kStoreOk);
    EXPECT_EQ(piped.read("New", value), platform::kStoreOk);
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
