#include "HostFolderTest.h"
#include "RunHost.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace
{
namespace fs = std::filesystem;

class HostPaths : public HostFolderTest
{
  protected:
    HostPaths() : HostFolderTest("orl-paths-", 2400) {}
};

TEST_F(HostPaths, a_lone_existing_file_is_taken_for_the_input_and_kept)
{
    const auto original = bytesOf("in.wav");
    RunResult r = runHost("render --tail 0 " + path("in.wav"));
    EXPECT_EQ(r.status, 2) << r.out;
    EXPECT_NE(r.out.find("OUT.wav"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("--demo"), std::string::npos) << r.out;
    EXPECT_EQ(bytesOf("in.wav"), original);

    // As scripts give it: IN and OUT, or a lone OUT not there yet; --demo on purpose.
    ASSERT_EQ(runHost("render --tail 0 " + path("in.wav") + " " + path("out.wav")).status, 0);
    ASSERT_EQ(runHost("render --tail 0 " + path("demo.wav")).status, 0);
    const auto demo = bytesOf("demo.wav");
    r = runHost("render --tail 0 --demo " + path("in.wav"));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(bytesOf("in.wav"), demo);
    EXPECT_EQ(runHost("render --demo " + path("in.wav") + " " + path("x.wav")).status, 2);
    EXPECT_FALSE(fs::exists(path("x.wav")));
}

TEST_F(HostPaths, links_that_cannot_be_resolved_are_refused_and_left_as_they_were)
{
    fs::create_symlink("b", path("a"));
    fs::create_symlink("a", path("b"));
    fs::create_symlink("self", path("self"));
    // A chain of 41 links: one more than the system follows.
    for (int i = 0; i < 41; ++i)
        fs::create_symlink("c" + std::to_string(i + 1), path("c" + std::to_string(i)));
    for (const std::string name : {"a", "self", "c0"})
        for (const std::string& command : {"render --tail 0 " + path("in.wav") + " " + path(name),
                                           "render --tail 0 --state-out " + path(name) + " " +
                                               path("in.wav") + " " + path("x.wav"),
                                           "snapshot " + path(name)})
        {
            const RunResult r = runHost(command);
            EXPECT_EQ(r.status, 1) << command << ": " << r.out;
            EXPECT_TRUE(fs::is_symlink(path(name))) << command;
        }
    EXPECT_TRUE(fs::is_symlink(path("c40")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(path("c41"))));
    EXPECT_FALSE(fs::exists(path("x.wav")));
}

TEST_F(HostPaths, the_loaded_library_is_never_an_output)
{
    fs::copy_file(ORL_PLUGIN_PATH, path("plug.so"));
    const auto library = bytesOf("plug.so");
    const RunResult r = runHost("render --tail 0 --plugin " + path("plug.so") + " " +
                                path("in.wav") + " " + path("plug.so"));
    EXPECT_EQ(r.status, 2) << r.out;
    EXPECT_EQ(bytesOf("plug.so"), library);
}

TEST_F(HostPaths, a_replaced_file_keeps_its_mode_and_a_longest_name_can_be_written)
{
    const std::string state = path("s.state");
    ASSERT_EQ(runHost("render --tail 0 --state-out " + state + " " + path("a.wav")).status, 0);
    ASSERT_EQ(::chmod(state.c_str(), 0600), 0);
    ASSERT_EQ(::chmod(path("a.wav").c_str(), 0640), 0);
    ASSERT_EQ(
        runHost("render --tail 0 --state-out " + state + " " + path("in.wav") + " " + path("a.wav"))
            .status,
        0);
    EXPECT_EQ(fs::status(state).permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(path("a.wav")).permissions(), fs::perms(0640));

    for (size_t length : {245u, 255u})
    {
        const std::string name = std::string(length - 4, 'n') + ".wav";
        const RunResult r = runHost("render --tail 0 " + path("in.wav") + " " + path(name));
        EXPECT_EQ(r.status, 0) << length << ": " << r.out;
        EXPECT_TRUE(fs::is_regular_file(path(name))) << length;
    }
}

TEST_F(HostPaths, broken_pipes_and_full_disks_fail_with_their_reason)
{
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    // The reader takes one byte and leaves; the render must say so, not die of SIGPIPE.
    RunResult r = runHost("render --tail 2 " + path("in.wav") + " " + path("pipe"),
                          "head -c 1 " + path("pipe") + " >/dev/null & sleep 0.3; ");
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find("Broken pipe"), std::string::npos) << r.out;
    if (fs::exists("/dev/full"))
    {
        r = runHost("render --tail 0 " + path("in.wav") + " /dev/full");
        EXPECT_EQ(r.status, 1) << r.out;
        EXPECT_NE(r.out.find("No space left"), std::string::npos) << r.out;
    }
}
} // namespace
