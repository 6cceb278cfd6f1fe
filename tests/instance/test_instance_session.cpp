#include <ChordwellInstance.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace
{
// An instance whose bank is no longer the fresh one: another preset current, one value edited.
void editBank(ChordwellInstance& instance)
{
    instance.selectProgram(6);
    instance.masterController().editorControlChanged(2, 0.125);
}
} // namespace

TEST(InstanceSession, SessionSavedByOneInstanceRestoresIntoAnotherWithItsBankAndValues)
{
    ChordwellInstance saved;
    editBank(saved);
    const std::array<float, 8> values{0.0f, 1.0f, 0.25f, 0.5f, 0.75f, 0.1f, 0.9f, 0.3f};
    const std::vector<uint8_t> bytes = saved.saveSession(values);
    ASSERT_FALSE(bytes.empty());

    ChordwellInstance restored;
    const std::vector<uint8_t> freshBank = restored.saveBank();
    const auto session = ChordwellInstance::readSession(bytes);
    ASSERT_TRUE(session);
    ASSERT_TRUE(session->values);
    EXPECT_EQ(*session->values, values);
    // Reading alone changes nothing.
    EXPECT_EQ(restored.saveBank(), freshBank);

    restored.restoreBank(*session);
    EXPECT_EQ(restored.saveBank(), saved.saveBank());
    EXPECT_EQ(restored.currentProgram(), 6);
    for (int32_t i = 0; i < ChordwellInstance::programCount(); ++i)
        EXPECT_STREQ(restored.programName(i), saved.programName(i));

    // The bank alone, as a host keeps it in a chunk of its own, restores the same bank.
    ChordwellInstance fromBank;
    ASSERT_TRUE(fromBank.restoreBankState(saved.saveBank()));
    EXPECT_EQ(fromBank.saveBank(), saved.saveBank());
    EXPECT_EQ(fromBank.currentProgram(), 6);
}

TEST(InstanceSession, RefusedSessionLeavesTheBankAsItWas)
{
    ChordwellInstance source;
    editBank(source);
    const std::vector<uint8_t> good = source.saveSession({});

    ChordwellInstance target;
    const std::vector<uint8_t> before = target.saveBank();
    std::vector<uint8_t> cut(good.begin(), good.end() - 1);
    std::vector<uint8_t> oversized = good;
    ++oversized[44]; // the bank state claims a byte more than follows
    std::vector<uint8_t> badValue = good;
    badValue[12 + 3] = 0x7F; // slot 0 far above 1
    for (const auto& bytes : {cut, oversized, badValue, std::vector<uint8_t>{}})
    {
        EXPECT_FALSE(ChordwellInstance::readSession(bytes));
        EXPECT_EQ(target.saveBank(), before);
    }
    // A bank state alone: cut, with a damaged image code, or a whole session in its place.
    std::vector<uint8_t> bank = source.saveBank();
    std::vector<uint8_t> damagedCode = bank;
    damagedCode[8] ^= 0x01;
    for (const auto& bytes : {std::vector<uint8_t>(bank.begin(), bank.end() - 9), damagedCode, good,
                              std::vector<uint8_t>(4, 0)})
    {
        EXPECT_FALSE(target.restoreBankState(bytes));
        EXPECT_EQ(target.saveBank(), before);
    }
    EXPECT_EQ(target.currentProgram(), 0);
    EXPECT_STREQ(target.programName(ChordwellInstance::programCount()), "");
    EXPECT_STREQ(target.programName(-1), "");
}

TEST(InstanceSession, TailFollowsTheSampleRate)
{
    ChordwellInstance instance;
    std::array<double, 8> values{};
    values.fill(0.5);
    const uint32_t at44 = instance.tailSamples(values);
    instance.setSampleRate(88200.0);
    EXPECT_EQ(instance.sampleRate(), 88200.0);
    EXPECT_NEAR(static_cast<double>(instance.tailSamples(values)), 2.0 * at44, 2.0);
}
