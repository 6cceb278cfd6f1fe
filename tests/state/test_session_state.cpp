// The session a host keeps for the VST 3 and LV2 shells: what is written reads back, a bare bank
// chunk reads without values, and damaged or foreign bytes are refused whole.
#include <ChordwellState.h>
#include <PresetBank.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <vector>

using namespace chordwell;

namespace
{
constexpr std::array<float, 8> kValues = {0.5f, 0.25f, 0.875f, 0.0f, 1.0f, 0.62f, 0.35f, 0.0f};

// The bank state of a bank that differs from the factory bank.
std::vector<uint8_t> editedBankState()
{
    PresetBank bank(nullptr, false);
    bank.selectPreset(3);
    bank.setParameterValue(2, 0.875);
    int32_t size = 0;
    const uint8_t* image = bank.makeHostState(size);
    return sessionstate::bankStateOf({image, static_cast<size_t>(size)});
}
} // namespace

TEST(SessionState, a_session_reads_back_whole_and_a_bare_bank_chunk_reads_without_values)
{
    const std::vector<uint8_t> bankState = editedBankState();
    const auto session = sessionstate::decode(sessionstate::encode(kValues, bankState));
    ASSERT_TRUE(session.has_value());
    EXPECT_EQ(session->values, kValues);
    EXPECT_EQ(session->bankState, bankState);

    const auto bare = sessionstate::decode(bankState);
    ASSERT_TRUE(bare.has_value());
    EXPECT_FALSE(bare->values.has_value());
    const auto image = sessionstate::stateImageOf(*bare);
    EXPECT_TRUE(std::ranges::equal(image, std::span(bankState).first(bankState.size() - 8)));
}

TEST(SessionState, damaged_or_foreign_bytes_are_refused)
{
    const std::vector<uint8_t> good = sessionstate::encode(kValues, editedBankState());
    const auto with = [&](size_t at, std::vector<uint8_t> bytes)
    {
        std::vector<uint8_t> damaged = good;
        std::ranges::copy(bytes, damaged.begin() + static_cast<long>(at));
        return damaged;
    };
    float nan = std::numeric_limits<float>::quiet_NaN(), over = 1.5f;
    std::vector<uint8_t> nanBytes(4), overBytes(4);
    std::memcpy(nanBytes.data(), &nan, 4);
    std::memcpy(overBytes.data(), &over, 4);
    const std::vector<std::vector<uint8_t>> bad = {
        {},
        {0},
        std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(good.size() / 2)),
        std::vector<uint8_t>(good.begin(), good.end() - 1), // the size disagrees
        with(4, {2}),                                       // a later version
        with(8, {7}),                                       // seven values
        with(12 + 4 * 3, overBytes),
        with(12 + 4 * 6, nanBytes),
        with(44, {0xFF, 0xFF, 0xFF, 0x7F}),                        // a bank larger than the bytes
        with(48 + 5, {static_cast<uint8_t>(good[48 + 5] ^ 0x20)}), // the image's prefix
        with(48 + 1200, std::vector<uint8_t>(20, 0x7F)),           // a preset value far above 1
    };
    for (size_t i = 0; i < bad.size(); ++i)
        EXPECT_FALSE(sessionstate::decode(bad[i]).has_value()) << "case " << i;
}
