#include "HostFolderTest.h"
#include "RunHost.h"

#include <AudioFile.h>
#include <BinaryFile.h>
#include <StateFile.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>

namespace
{
namespace fs = std::filesystem;

class HostStates : public HostFolderTest
{
  protected:
    HostStates() : HostFolderTest("orl-states-") {}
    std::vector<statefile::Chunk> chunksOf(const std::string& name) const
    {
        std::vector<uint8_t> bytes;
        std::string error;
        EXPECT_TRUE(readBinaryFile(path(name), bytes, 1 << 24, error)) << error;
        return statefile::decode(bytes, error).value_or(std::vector<statefile::Chunk>{});
    }
    void write(const std::string& name, const std::vector<statefile::Chunk>& chunks) const
    {
        std::string error;
        ASSERT_TRUE(writeBinaryFile(path(name), statefile::encode(chunks), error)) << error;
    }
};

TEST_F(HostStates, every_reader_refuses_what_one_refuses_with_exit_2)
{
    ASSERT_EQ(
        runHost("render --tail 0 --state-out " + path("good.state") + " " + path("a.wav")).status,
        0);
    const auto good = chunksOf("good.state");
    ASSERT_EQ(good.size(), 2u);
    ASSERT_EQ(good[0].id, statefile::kParameterChunk);

    std::vector<std::pair<std::string, std::vector<statefile::Chunk>>> damaged;
    for (double bad : {-1.0, std::nan(""), 1e308})
    {
        auto chunks = good;
        std::memcpy(chunks[0].data.data() + chunks[0].data.size() - 8, &bad, 8);
        damaged.emplace_back("value " + std::to_string(bad), chunks);
    }
    auto leftover = good;
    leftover[0].data.push_back(0);
    damaged.emplace_back("leftover bytes", leftover);
    auto code = good;
    code[1].data[8] ^= 0x01; // the bank image's code, behind the state image's prefix
    damaged.emplace_back("damaged image code", code);
    damaged.emplace_back("no bank", std::vector<statefile::Chunk>{good[0]});
    for (const auto& [what, chunks] : damaged)
    {
        write("bad.state", chunks);
        const RunResult r =
            runHost("render --tail 0 --state-in " + path("bad.state") + " " + path("x.wav"));
        EXPECT_EQ(r.status, 2) << what << ": " << r.out;
        EXPECT_FALSE(fs::exists(path("x.wav"))) << what;
    }

    std::string error;
    ASSERT_TRUE(writeBinaryFile(path("huge.state"), std::vector<uint8_t>(17 << 20, 0), error));
    const RunResult r =
        runHost("render --tail 0 --state-in " + path("huge.state") + " " + path("x.wav"));
    EXPECT_EQ(r.status, 2) << r.out;
    EXPECT_NE(r.out.find("too large"), std::string::npos) << r.out;
}

TEST_F(HostStates, a_state_saved_after_automation_renders_the_values_it_was_saved_with)
{
    RunResult r = runHost("render --tail 0.3 --automate decay@0.1=0.9 --automate mix@0.1=1 "
                          "--state-out " +
                          path("moved.state") + " " + path("a.wav"));
    ASSERT_EQ(r.status, 0) << r.out;
    r = runHost("render --tail 0.3 --state-in " + path("moved.state") + " " + path("b.wav"));
    ASSERT_EQ(r.status, 0) << r.out;
    r = runHost("render --tail 0.3 --set decay=0.9 --set mix=1 " + path("c.wav"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(audioOf("b.wav").channels, audioOf("c.wav").channels);

    // Saved again, the state says the same.
    r = runHost("render --tail 0 --state-in " + path("moved.state") + " --state-out " +
                path("again.state") + " " + path("d.wav"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(chunksOf("again.state")[0].data, chunksOf("moved.state")[0].data);
}
TEST_F(HostStates, inspect_shows_a_state_files_bank_and_saved_values_and_refuses_a_damaged_one)
{
    ASSERT_EQ(runHost("render --tail 0 --preset 3 --set mix=60% --automate decay@0.5=20% "
                      "--state-out " +
                      path("s.state") + " " + path("a.wav"))
                  .status,
              0);
    RunResult r = runHost("inspect " + path("s.state"));
    ASSERT_EQ(r.status, 0) << r.out;
    for (const std::string text : {"type: state", "current: 3", "saved values:", "Mix       60.0 %",
                                   "Decay     20.0 %", "preset 9: \"Init\""})
        EXPECT_NE(r.out.find(text), std::string::npos) << text << "\n" << r.out;
    r = runHost("inspect --json " + path("s.state"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\"saved values\""), std::string::npos) << r.out;
    auto chunks = chunksOf("s.state");
    ASSERT_EQ(chunks.size(), 2u);
    chunks[0].data.resize(chunks[0].data.size() - 3);
    write("bad.state", chunks);
    EXPECT_EQ(runHost("inspect " + path("bad.state")).status, 2);
}
} // namespace
