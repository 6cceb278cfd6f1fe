#include "HostFolderTest.h"

namespace
{
class HostBatch : public HostFolderTest<>
{
  protected:
    void SetUp() override
    {
        HostFolderTest::SetUp();
        fs::create_directories(folder / "in");
        fs::create_directories(folder / "other");
        fs::create_directories(folder / "out");
        // Each of its own length, so that no output can pass for another's.
        size_t frames = 4800;
        for (const char* name : {"in/a.wav", "in/b.wav", "in/c.wav", "other/a.wav"})
            writeDemoInput(frames += 480, name);
        std::ofstream(path("in/d.wav")) << "not audio";
    }
};

TEST_F(HostBatch, a_folder_renders_file_by_file_as_alone_and_one_bad_file_stops_nothing)
{
    // d.wav is not audio.
    EXPECT_TRUE(hostSays(2,
                         "render --tail 0.2 --set mix=60% -j 2 --output-dir " + path("out") +
                             " --suffix -wet " + path("in"),
                         {"[4/4]", "4 files: 3 done, 1 failed"}));
    EXPECT_FALSE(fs::exists(path("out/d-wet.wav")));
    for (const char* name : {"a", "b", "c"})
    {
        const std::string alone = path(std::string("alone-") + name + ".wav");
        ASSERT_TRUE(hostExits(0, "render --tail 0.2 --set mix=60% " +
                                     path(std::string("in/") + name) + ".wav " + alone));
        EXPECT_EQ(bytesOf(std::string("out/") + name + "-wet.wav"),
                  bytesOf(std::string("alone-") + name + ".wav"))
            << name;
    }
}

TEST_F(HostBatch, outputs_that_would_collide_or_replace_an_input_are_refused_before_any_render)
{
    for (const std::string& words :
         {"--output-dir " + path("in") + " " + path("in/a.wav"),
          "--output-dir " + path("out") + " " + path("in/a.wav") + " " + path("other/a.wav"),
          "--output-dir " + path("missing") + " " + path("in/a.wav"),
          "--output-dir " + path("out") + " --state-out " + path("s") + " " + path("in/a.wav"),
          path("in/a.wav") + " " + path("in/b.wav") + " " + path("out/x.wav"),
          "--suffix -wet " + path("in/a.wav") + " " + path("out/x.wav")})
        EXPECT_TRUE(hostExits(2, "render --tail 0 " + words));
    EXPECT_TRUE(fs::is_empty(path("out")));
    EXPECT_FALSE(fs::exists(path("missing")));
}
} // namespace
