#include "HostFolderTest.h"

namespace
{
using HostFormats = HostFolderTest<>;

TEST_F(HostFormats, the_outputs_name_picks_flac_and_a_contradicting_format_is_refused)
{
    ASSERT_TRUE(hostExits(0, "render --tail 0.1 " + path("a.flac")));
    const std::vector<uint8_t> flac = bytesOf("a.flac");
    ASSERT_GE(flac.size(), 4u);
    EXPECT_EQ(std::string(flac.begin(), flac.begin() + 4), "fLaC");
    for (const std::string& words :
         {"--format float32 " + path("b.flac"), "--format flac " + path("b.wav"), path("b.aiff"),
          "--format pcm8 " + path("b.wav")})
        EXPECT_TRUE(hostExits(2, "render --tail 0.1 " + words));
    for (const char* name : {"b.flac", "b.wav", "b.aiff"})
        EXPECT_FALSE(fs::exists(path(name))) << name;
}

TEST_F(HostFormats, integer_files_hold_the_float_render_within_their_steps_and_repeat_byte_for_byte)
{
    for (const std::string words :
         {" f.wav", "--format pcm24 24.wav", "--format pcm16 16.wav", "--format pcm16 16b.wav"})
        ASSERT_TRUE(
            hostExits(0, "render --tail 0.2 " + words, "", "cd " + folder.string() + " && "));
    EXPECT_EQ(bytesOf("16.wav"), bytesOf("16b.wav")) << "the dither's seed is fixed";
    EXPECT_EQ(bytesOf("24.wav")[34], 24);
    EXPECT_EQ(bytesOf("16.wav")[34], 16);
    const AudioBuffer f = audioOf("f.wav"), p24 = audioOf("24.wav"), p16 = audioOf("16.wav");
    ASSERT_EQ(f.frames(), p16.frames());
    double worst24 = 0.0, worst16 = 0.0, dithered = 0.0;
    for (size_t c = 0; c < f.channels.size(); ++c)
        for (size_t i = 0; i < f.frames(); ++i)
        {
            const double v = std::clamp(f.channels[c][i], -1.0f, 1.0f);
            worst24 = std::max(worst24, std::fabs(p24.channels[c][i] - v));
            worst16 = std::max(worst16, std::fabs(p16.channels[c][i] - v));
            dithered += std::fabs(p16.channels[c][i] - v);
        }
    EXPECT_LT(worst24, 1.5 / 8388608.0);
    EXPECT_LT(worst16, 2.5 / 32768.0);
    EXPECT_GT(dithered / static_cast<double>(f.frames() * 2), 0.2 / 32768.0) << "dither is there";
}
} // namespace
