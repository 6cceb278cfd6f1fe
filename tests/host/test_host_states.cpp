#include "HostFolderTest.h"

#include <PresetBank.h>
#include <StateFile.h>
#include <render/PresetState.h>

namespace
{
class HostStates : public HostFolderTest<>
{
  protected:
    std::vector<statefile::Chunk> chunksOf(const std::string& name) const
    {
        std::string error;
        return statefile::decode(bytesOf(name), error).value_or(std::vector<statefile::Chunk>{});
    }
};

TEST_F(HostStates, every_reader_refuses_what_one_refuses_with_exit_2)
{
    ASSERT_TRUE(
        hostExits(0, "render --tail 0 --state-out " + path("good.state") + " " + path("a.wav")));
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
    auto changed = good;
    changed[0].data.push_back(0);
    damaged.emplace_back("leftover bytes", statefile::encode(changed));
    changed = good;
    changed[0].data.resize(changed[0].data.size() - 3);
    damaged.emplace_back("short values", statefile::encode(changed));
    changed = good;
    changed[1].data[8] ^= 0x01; // the bank image's code, behind the state image's prefix
    damaged.emplace_back("damaged image code", statefile::encode(changed));
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
    damaged.emplace_back("huge", std::vector<uint8_t>(17 << 20, 0));
    for (const auto& [what, bytes] : damaged)
    {
        std::string error;
        ASSERT_TRUE(writeBinaryFile(path("bad.state"), bytes, error)) << error;
        EXPECT_TRUE(hostExits(2,
                              "render --tail 0 --state-in " + path("bad.state") + " --state-out " +
                                  path("out.state") + " " + path("x.wav"),
                              what == "huge" ? "too large" : "state"))
            << what;
        EXPECT_TRUE(hostExits(2, "inspect " + path("bad.state"))) << what;
        EXPECT_FALSE(fs::exists(path("x.wav"))) << what;
        EXPECT_FALSE(fs::exists(path("out.state"))) << what;
    }
}

TEST_F(HostStates, a_state_keeps_every_chunk_the_users_edits_and_the_values_automation_left)
{
    const std::string first = path("first.state");
    ASSERT_TRUE(hostExits(0, "render --preset 3 --set mix=70% --automate decay@0.1=0.9 --tail 0.1 "
                             "--state-out " +
                                 first + " " + path("a.wav")));
    const std::vector<uint8_t> a = bytesOf("first.state");
    const auto chunks = chunksOf("first.state");
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[0].id, statefile::kParameterChunk) << "the plug-in's order";
    EXPECT_EQ(chunks[1].id, statefile::kBankChunk);
    // --set is the user's edit: the preset bank keeps it, so the state restores it.
    PresetBank bank(nullptr, false);
    ASSERT_TRUE(bank.applyHostState(chunks[1].data.data(), chunks[1].data.size() - 8));
    EXPECT_EQ(bank.currentIndex(), 3);
    EXPECT_EQ(bank.workingPreset(3).values[1], 0.7f);

    ASSERT_TRUE(hostExits(0, "render --state-in " + first + " --tail 0.1 --state-out " +
                                 path("second.state") + " " + path("b.wav")));
    EXPECT_EQ(bytesOf("second.state"), a);
    ASSERT_TRUE(hostExits(0, "render --preset 3 --set mix=70% --set decay=0.9 --tail 0.1 " +
                                 path("c.wav")));
    EXPECT_EQ(audioOf("b.wav").channels, audioOf("c.wav").channels);

    EXPECT_TRUE(hostSays(0, "inspect " + first,
                         {"type: state", "current: 3", "saved values:", "Mix       70.0 %",
                          "Decay     90.0 %", "preset 9: \"Init\""}));
    EXPECT_TRUE(hostExits(0, "inspect --json " + first, "\"saved values\""));

    // The files of earlier versions, the 'All ' chunk alone, still load.
    std::string error;
    ASSERT_TRUE(writeBinaryFile(path("old.state"), factoryPresetChunk(5), error));
    ASSERT_TRUE(hostExits(0, "render --state-in " + path("old.state") + " --tail 0 --state-out " +
                                 path("second.state") + " " + path("d.wav")));
    EXPECT_EQ(chunksOf("second.state").at(1).data, factoryPresetChunk(5));
}
} // namespace
