#include "HostFolderTest.h"

namespace
{
using HostLevels = HostFolderTest<>;

float framePeak(const AudioBuffer& audio, size_t frame)
{
    float peak = 0.0f;
    for (const auto& channel : audio.channels)
        peak = std::max(peak, std::fabs(channel[frame]));
    return peak;
}

TEST_F(HostLevels, clipping_silence_and_a_cut_off_tail_are_warned_about_with_every_channels_peak)
{
    EXPECT_TRUE(hostSays(0, "render --tail 0 --set output=+12dB --set mix=100% " + path("a.wav"),
                         {"passes 0 dBFS", "output peak: ", ", 2: "}));
    RunResult r = runHost("render --tail 0 --set output=-inf " + path("b.wav"));
    EXPECT_NE(r.out.find("output is silent"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("passes 0 dBFS"), std::string::npos) << r.out;
    EXPECT_TRUE(hostExits(0, "render --tail 0.2 --set decay=100% " + path("c.wav"), "--tail auto"));
    r = runHost("render --tail 0.2 --set mix=0% " + path("d.wav"));
    EXPECT_EQ(r.out.find("warning"), std::string::npos) << "a dry render ends with its input\n"
                                                        << r.out;
}

TEST_F(HostLevels, an_automatic_tail_ends_half_a_second_into_silence_whatever_the_block)
{
    const RunResult r = runHost("render --tail auto --set decay=20% --block 512 " + path("a.wav"));
    EXPECT_EQ(r.out.find("warning"), std::string::npos) << r.out;
    ASSERT_TRUE(hostExits(0, "render --tail auto --set decay=20% --block 64 " + path("b.wav")));
    const AudioBuffer a = audioOf("a.wav");
    EXPECT_EQ(a.channels, audioOf("b.wav").channels);
    ASSERT_TRUE(hostExits(0, "render --tail 0 " + path("dry.wav")));
    const size_t input = audioOf("dry.wav").frames();
    const auto quiet = static_cast<size_t>(a.sampleRate / 2);
    ASSERT_GT(a.frames(), input + quiet);
    ASSERT_LT(a.frames(), input + static_cast<size_t>(a.sampleRate * 120));
    for (size_t frame = a.frames() - quiet; frame < a.frames(); ++frame)
        ASSERT_LT(framePeak(a, frame), 3.1622776e-5f) << frame;
    EXPECT_GE(framePeak(a, a.frames() - quiet - 1), 3.1622776e-5f) << "the first quiet run ends it";
}
} // namespace
