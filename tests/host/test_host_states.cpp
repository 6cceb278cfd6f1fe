#include "HostFolderTest.h"
#include "RunHost.h"

#include <PresetBank.h>
#include <PresetState.h>
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
    void write(const std::string& name, const std::vector<uint8_t>& bytes) const
    {
        std::string error;
        ASSERT_TRUE(writeBinaryFile(path(name), bytes, error)) << error;
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

    std::vector<std::pair<std::string, std::vector<uint8_t>>> damaged;
    for (double bad : {-1.0, std::nan(""), 1e308})
    {
        auto chunks = good;
        std::memcpy(chunks[0].data.data() + chunks[0].data.size() - 8, &bad, 8);
        damaged.emplace_back("value " + std::to_string(bad), statefile::encode(chunks));
    }
    auto leftover = good;
    leftover[0].data.push_back(0);
    damaged.emplace_back("leftover bytes", statefile::encode(leftover));
    auto code = good;
    code[1].data[8] ^= 0x01; // the bank image's code, behind the state image's prefix
    damaged.emplace_back("damaged image code", statefile::encode(code));
    damaged.emplace_back("no bank", statefile::encode({good[0]}));
    damaged.emplace_back("unknown chunk", statefile::encode({{statefile::fourCC("zzzz"), {1}}}));
    std::vector<uint8_t> random(4297);
    uint32_t seed = 7;
    for (uint8_t& byte : random)
        byte = static_cast<uint8_t>((seed = seed * 1664525u + 1013904223u) >> 24);
    damaged.emplace_back("random", random);
    damaged.emplace_back("short", std::vector<uint8_t>(11, 0));
    auto cut = statefile::encode(good);
    damaged.emplace_back("trailing", cut);
    damaged.back().second.push_back(0);
    cut.resize(1000);
    damaged.emplace_back("cut", cut);
    for (const auto& [what, bytes] : damaged)
    {
        write("bad.state", bytes);
        const RunResult r = runHost("render --tail 0 --state-in " + path("bad.state") +
                                    " --state-out " + path("out.state") + " " + path("x.wav"));
        EXPECT_EQ(r.status, 2) << what << ": " << r.out;
        EXPECT_NE(r.out.find("state"), std::string::npos) << r.out;
        EXPECT_FALSE(fs::exists(path("x.wav"))) << what;
        EXPECT_FALSE(fs::exists(path("out.state"))) << what;
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
}

TEST_F(HostStates, state_files_keep_every_chunk_and_the_users_set_values)
{
    const std::string first = path("first.state"), second = path("second.state");
    RunResult r = runHost("render --preset 3 --set decay=0.6 --set mix=1 --tail 0.1 "
                          "--state-out " +
                          first + " " + path("a.wav"));
    ASSERT_EQ(r.status, 0) << r.out;
    const std::vector<uint8_t> a = bytesOf("first.state");
    std::string error;
    const auto chunks = statefile::decode(a, error);
    ASSERT_TRUE(chunks) << error;
    ASSERT_EQ(chunks->size(), 2u);
    EXPECT_EQ((*chunks)[0].id, statefile::kParameterChunk) << "the plug-in's order";
    EXPECT_EQ((*chunks)[1].id, statefile::kBankChunk);
    // --set is the user's edit: the preset bank keeps it, so the state restores it.
    PresetBank bank(nullptr, false);
    ASSERT_TRUE(bank.applyHostState((*chunks)[1].data.data(), (*chunks)[1].data.size() - 8));
    EXPECT_EQ(bank.currentIndex(), 3);
    EXPECT_EQ(bank.workingPreset(3).values[1], 1.0f);
    EXPECT_EQ(bank.workingPreset(3).values[2], 0.6f);

    r = runHost("render --state-in " + first + " --tail 0.1 --state-out " + second + " " +
                path("b.wav"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(bytesOf("second.state"), a);

    // The files of earlier versions, the 'All ' chunk alone, still load.
    ASSERT_TRUE(writeBinaryFile(path("old.state"), factoryPresetChunk(5), error));
    r = runHost("render --state-in " + path("old.state") + " --tail 0 --state-out " + second + " " +
                path("c.wav"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(statefile::decode(bytesOf("second.state"), error)->at(1).data, factoryPresetChunk(5));
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
    write("bad.state", statefile::encode(chunks));
    EXPECT_EQ(runHost("inspect " + path("bad.state")).status, 2);
}
} // namespace
