#include <PresetBank.h>
#include <StateFile.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace
{
std::vector<uint8_t> parameterData(const std::vector<std::pair<std::string, double>>& values)
{
    std::vector<uint8_t> data(4);
    const auto count = static_cast<uint32_t>(values.size());
    std::memcpy(data.data(), &count, 4);
    for (const auto& [id, value] : values)
    {
        const size_t at = data.size();
        const auto length = static_cast<uint32_t>(id.size());
        data.resize(at + 4 + length + 8);
        std::memcpy(data.data() + at, &length, 4);
        id.copy(reinterpret_cast<char*>(data.data() + at + 4), length);
        std::memcpy(data.data() + at + 4 + length, &value, 8);
    }
    return data;
}

// A factory bank's state, as the plug-in saves it in its 'All ' chunk.
std::vector<uint8_t> bankState()
{
    PresetBank bank(nullptr, false);
    int32_t size = 0;
    const uint8_t* image = bank.makeHostState(size);
    std::vector<uint8_t> state(image, image + size);
    for (int word = 0; word < 2; ++word)
        state.insert(state.end(), {0x00, 0x00, 0x30, 0x00});
    return state;
}

const std::vector<uint8_t> kBank = bankState();

std::vector<uint8_t> decayFile(double decay, std::vector<uint8_t> bank = kBank)
{
    return statefile::encode({{statefile::kParameterChunk, parameterData({{"2: Decay", decay}})},
                              {statefile::kBankChunk, std::move(bank)}});
}

TEST(StateFile, a_written_file_reads_back_its_chunks_bank_state_and_host_values)
{
    const auto elck = parameterData({{"MasterBypassID", 1.0}, {"1: Mix", 0.25}});
    const auto bytes =
        statefile::encode({{statefile::kParameterChunk, elck}, {statefile::kBankChunk, kBank}});
    ASSERT_EQ(bytes.size(), 12u + 8 + elck.size() + 8 + kBank.size());
    EXPECT_EQ(0, std::memcmp(bytes.data(), "OCws\x01\0\0\0\x02\0\0\0elck", 16));

    std::string error;
    const auto contents = statefile::read(bytes, error);
    ASSERT_TRUE(contents) << error;
    EXPECT_EQ(contents->bankState, kBank);
    ASSERT_EQ(contents->hostValues.size(), 2u);
    EXPECT_EQ(contents->hostValues[1].id, "1: Mix");
    EXPECT_EQ(contents->hostValues[1].value, 0.25);

    // The files of earlier versions: the 'All ' data alone.
    const auto old = statefile::read(kBank, error);
    ASSERT_TRUE(old) << error;
    EXPECT_EQ(old->bankState, kBank);
    EXPECT_TRUE(old->hostValues.empty());
}

TEST(StateFile, damaged_files_are_refused_and_read_within_their_bytes)
{
    const auto good = decayFile(0.5);
    std::string error;
    // Every cut inside the header or a chunk (a sanitizer sees any read past the copy).
    for (size_t size = 4; size < good.size(); ++size)
    {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(size));
        EXPECT_FALSE(statefile::decode(cut, error)) << size;
    }
    // Another version, no chunks, too many chunks, a size past the end.
    for (const auto& [at, value] : {std::pair{4, 2}, {8, 0}, {8, 17}, {19, 0x7F}})
    {
        auto changed = good;
        changed[at] = static_cast<uint8_t>(value);
        EXPECT_FALSE(statefile::decode(changed, error)) << at << " " << value;
    }
    auto trailing = good;
    trailing.push_back(0);
    EXPECT_FALSE(statefile::decode(trailing, error)) << "bytes after the last chunk";
    EXPECT_FALSE(statefile::decode(
        statefile::encode({{statefile::kBankChunk, kBank}, {statefile::kBankChunk, kBank}}), error))
        << "a chunk twice";
    EXPECT_FALSE(statefile::decode({}, error)) << "empty";

    // Ids beyond the bound, cut or padded parameter data (values: see the verdict below).
    EXPECT_FALSE(statefile::decodeHostValues(parameterData({{std::string(300, 'x'), 0.5}}), error));
    auto padded = parameterData({{"0: Output", 0.5}});
    padded.push_back(0);
    EXPECT_FALSE(statefile::decodeHostValues(padded, error));
    padded.resize(padded.size() - 4);
    EXPECT_FALSE(statefile::decodeHostValues(padded, error));
}

TEST(StateFile, one_verdict_refuses_damaged_banks_stray_values_and_a_missing_bank)
{
    std::string error;
    const auto withBank = [](std::vector<uint8_t> bank) { return decayFile(0.5, std::move(bank)); };
    ASSERT_TRUE(statefile::read(withBank(kBank), error)) << error;
    auto damagedCode = kBank;
    damagedCode[8] ^= 0x01; // the bank image's code, behind the 8-byte prefix
    EXPECT_FALSE(statefile::read(withBank(damagedCode), error));
    EXPECT_FALSE(statefile::read(damagedCode, error)) << "a headerless file";
    auto wrongType = kBank;
    wrongType[12] = 0x22; // a preset image's type
    EXPECT_FALSE(statefile::read(withBank(wrongType), error));
    EXPECT_FALSE(
        statefile::read(withBank(std::vector<uint8_t>(kBank.begin(), kBank.end() - 9)), error))
        << "cut short";

    for (double bad : {-1.0, 1.5, std::nan(""), 1e308})
        EXPECT_FALSE(statefile::read(decayFile(bad), error)) << bad;
    EXPECT_FALSE(statefile::read(
        statefile::encode({{statefile::kParameterChunk, parameterData({{"2: Decay", 0.5}})}}),
        error));
    EXPECT_NE(error.find("no bank"), std::string::npos) << error;
}
} // namespace
