#include "HostFolderTest.h"

namespace
{
TEST(HostCommands, help_and_version_answer_without_a_subcommand_and_usage_shows_in_and_out)
{
    for (const std::string words : {"--version", "help", "help render", "render --help"})
    {
        const RunResult r = runHost(words);
        EXPECT_EQ(r.status, 0) << words << ": " << r.out;
        EXPECT_EQ(r.out.find("subcommand is required"), std::string::npos) << words;
    }
    EXPECT_TRUE(hostExits(0, "help render", "Usage: chordwell-host render [OPTIONS] [IN] OUT"));
    EXPECT_EQ(runHost("help render").out.find("(1x)"), std::string::npos);
    EXPECT_TRUE(hostExits(0, "help", "presets")) << "the commands are listed";
    EXPECT_TRUE(hostExits(2, "help no-such-command"));
}

TEST(HostCommands, presets_lists_every_factory_preset_with_the_panels_texts)
{
    EXPECT_TRUE(hostSays(0, "presets",
                         {"0  ", "9  Init", "Transpose ", " st", " cents", "Bypass process"}));
}

using HostSummary = HostFolderTest<>;

TEST_F(HostSummary, the_render_summary_names_the_preset_and_every_value_used)
{
    EXPECT_TRUE(hostSays(0,
                         "render --tail 0 --preset 6 --set mix=60% --set transpose=-12st "
                         "--set 'decay time=80%' " +
                             path("out.wav"),
                         {"preset: factory 6 \"Init\"", "Mix 60.0 %", "Decay 80.0 %",
                          "Transpose -12 st", "Bypass process"}));
}
} // namespace
