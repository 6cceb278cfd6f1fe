#include "HostFolderTest.h"

namespace
{
using HostPaths = HostFolderTest<2400>;

TEST_F(HostPaths, a_lone_existing_file_is_taken_for_the_input_and_kept)
{
    const auto original = bytesOf("in.wav");
    EXPECT_TRUE(hostExits(2, "render --tail 0 " + path("in.wav"), "OUT.wav"));
    EXPECT_TRUE(hostExits(2, "render --tail 0 " + path("in.wav"), "--demo"));
    EXPECT_EQ(bytesOf("in.wav"), original);

    // As scripts give it: IN and OUT, or a lone OUT not there yet; --demo on purpose.
    ASSERT_TRUE(hostExits(0, "render --tail 0 " + path("in.wav") + " " + path("out.wav")));
    ASSERT_TRUE(hostExits(0, "render --tail 0 " + path("demo.wav")));
    EXPECT_TRUE(hostExits(0, "render --tail 0 --demo " + path("in.wav")));
    EXPECT_EQ(bytesOf("in.wav"), bytesOf("demo.wav"));
    EXPECT_TRUE(hostExits(2, "render --demo " + path("in.wav") + " " + path("x.wav")));
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
            EXPECT_TRUE(hostExits(1, command));
            EXPECT_TRUE(fs::is_symlink(path(name))) << command;
        }
    EXPECT_TRUE(fs::is_symlink(path("c40")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(path("c41"))));
    EXPECT_FALSE(fs::exists(path("x.wav")));

    // Nor is the loaded library ever an output.
    fs::copy_file(ORL_PLUGIN_PATH, path("plug.so"));
    const auto library = bytesOf("plug.so");
    EXPECT_TRUE(hostExits(2, "render --tail 0 --plugin " + path("plug.so") + " " + path("in.wav") +
                                 " " + path("plug.so")));
    EXPECT_EQ(bytesOf("plug.so"), library);
}

TEST_F(HostPaths, a_replaced_file_keeps_its_mode_and_a_longest_name_can_be_written)
{
    const std::string state = path("s.state");
    ASSERT_TRUE(hostExits(0, "render --tail 0 --state-out " + state + " " + path("a.wav")));
    ASSERT_EQ(::chmod(state.c_str(), 0600), 0);
    ASSERT_EQ(::chmod(path("a.wav").c_str(), 0640), 0);
    ASSERT_TRUE(hostExits(0, "render --tail 0 --state-out " + state + " " + path("in.wav") + " " +
                                 path("a.wav")));
    EXPECT_EQ(fs::status(state).permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(path("a.wav")).permissions(), fs::perms(0640));

    for (size_t length : {245u, 255u})
    {
        const std::string name = std::string(length - 4, 'n') + ".wav";
        EXPECT_TRUE(hostExits(0, "render --tail 0 " + path("in.wav") + " " + path(name)));
        EXPECT_TRUE(fs::is_regular_file(path(name))) << length;
    }
}

TEST_F(HostPaths, broken_pipes_and_full_disks_fail_with_their_reason)
{
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    // The reader takes one byte and leaves; the render must say so, not die of SIGPIPE.
    EXPECT_TRUE(hostExits(1, "render --tail 2 " + path("in.wav") + " " + path("pipe"),
                          "Broken pipe",
                          "head -c 1 " + path("pipe") + " >/dev/null & sleep 0.3; "));
    if (fs::exists("/dev/full"))
    {
        EXPECT_TRUE(
            hostExits(1, "render --tail 0 " + path("in.wav") + " /dev/full", "No space left"));
    }
}
} // namespace
