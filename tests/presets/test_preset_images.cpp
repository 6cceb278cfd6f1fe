#include "BankTestSupport.h"

#include <PresetBank.h>
#include <algorithm>

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <utility>

using namespace banktest;

namespace
{
// The same image written by a big-endian writer: every integer and float reversed, names and
// the type byte kept.
std::vector<uint8_t> toBigEndian(const std::vector<uint8_t>& image)
{
    std::vector<uint8_t> out = image;
    auto reverse = [&out](size_t at)
    {
        std::swap(out[at], out[at + 3]);
        std::swap(out[at + 1], out[at + 2]);
    };
    reverse(0);
    for (size_t at = 5; at < 41; at += 4)
        reverse(at);
    size_t at = 41;
    while (at + 12 <= out.size())
    {
        const uint32_t type = readU32(image, at);
        const uint32_t length = readU32(image, at + 4);
        reverse(at);
        reverse(at + 4);
        reverse(at + 8);
        if (type == 1)
        {
            reverse(at + 12);
            reverse(at + 24);
        }
        at += 12 + length;
    }
    return out;
}

TEST(PresetImages, have_the_product_sizes_and_leading_bytes)
{
    PresetBank bank(nullptr);
    const auto preset = bank.makePresetImage();
    const auto image = bank.makeBankImage();
    ASSERT_EQ(preset.size(), 465u);
    ASSERT_EQ(image.size(), 4281u);
    EXPECT_EQ(std::memcmp(preset.data(), "lWcQ\x22", 5), 0);
    EXPECT_EQ(std::memcmp(image.data(), "lWcQ\x38", 5), 0);
    EXPECT_EQ(readU32(image, 13), 90u);
    EXPECT_EQ(readU32(image, 21), 4240u);
    EXPECT_EQ(readU32(image, 25), 13u);
    EXPECT_STREQ(reinterpret_cast<const char*>(&image[41 + 3 * 424 + 12]), "Low & Dark");

    int32_t size = 0;
    const uint8_t* state = bank.makeHostState(size);
    ASSERT_EQ(size, 4289);
    EXPECT_EQ(std::memcmp(state, "\0\0\0\2lWcQ", 8), 0);
    EXPECT_EQ(std::memcmp(state + 8, image.data(), image.size()), 0);
}

TEST(PresetImages, big_endian_images_load_like_little_endian_ones)
{
    PresetBank source(nullptr);
    source.selectPreset(3);
    source.setParameterValue(2, 0.123);
    source.renameCurrentPreset("Swapped");
    const auto little = source.makeBankImage();

    PresetBank a(nullptr), b(nullptr);
    EXPECT_EQ(a.loadBankImage(little), LoadResult::Loaded);
    EXPECT_EQ(b.loadBankImage(toBigEndian(little)), LoadResult::Loaded);
    EXPECT_EQ(a.makeBankImage(), b.makeBankImage()) << "names, values and current index alike";

    PresetBank c(nullptr);
    EXPECT_EQ(c.applyPresetImage(toBigEndian(source.makePresetImage())), LoadResult::Loaded);
    EXPECT_FLOAT_EQ(c.workingPreset(0).values[2], 0.123f);
}

TEST(PresetImages, a_value_outside_0_to_1_refuses_the_whole_image)
{
    PresetBank source(nullptr);
    source.setParameterValue(2, 0.9);
    auto preset = source.makePresetImage();
    setValue(preset, 0, 5, 1.5f);

    PresetBank bank(nullptr);
    bank.renameCurrentPreset("Kept");
    bank.setParameterValue(3, 0.7);
    EXPECT_EQ(bank.loadPresetImage(preset), LoadResult::Refused);
    EXPECT_STREQ(bank.presetName(0), "Kept");
    EXPECT_FLOAT_EQ(bank.workingPreset(0).values[3], 0.7f);
    EXPECT_FLOAT_EQ(bank.workingPreset(0).values[2], 0.25f);
    EXPECT_FALSE(bank.isEdited(0)) << "committed as after every load with the right code";

    auto image = source.makeBankImage();
    setValue(image, 9, 1, std::numeric_limits<float>::quiet_NaN());
    const auto before = bank.makeBankImage();
    EXPECT_EQ(bank.applyBankImage(image), LoadResult::Refused);
    EXPECT_EQ(bank.makeBankImage(), before);
}

TEST(PresetImages, a_loaded_preset_sets_its_shared_values_only_in_the_current_preset)
{
    PresetBank source(nullptr);
    source.setParameterValue(0, 0.9);
    const auto preset = source.makePresetImage();

    PresetBank bank(nullptr);
    bank.selectPreset(6);
    EXPECT_EQ(bank.applyPresetImage(preset), LoadResult::Loaded);
    EXPECT_FLOAT_EQ(bank.workingPreset(6).values[0], 0.9f);
    EXPECT_FLOAT_EQ(bank.workingPreset(2).values[0], 0.5f);
    EXPECT_STREQ(bank.presetName(6), "Default");
    EXPECT_FALSE(bank.isEdited(6)) << "nothing committed and no flag touched";
    EXPECT_FLOAT_EQ(bank.storedPreset(6).values[0], 0.5f);
}

TEST(PresetImages, a_bank_current_index_outside_the_bank_selects_preset_0)
{
    PresetBank source(nullptr);
    auto image = source.makeBankImage();
    writeU32(image, 17, 12);
    writeU32(image, 29, 77);
    PresetBank bank(nullptr);
    bank.selectPreset(5);
    EXPECT_EQ(bank.loadBankImage(image), LoadResult::Loaded);
    EXPECT_EQ(bank.currentIndex(), 0);
    EXPECT_EQ(bank.extraHeaderValue(), 77u);
}

TEST(PresetImages, readers_never_run_past_the_bytes_they_were_given)
{
    PresetBank source(nullptr);
    source.setParameterValue(2, 0.9);
    const auto good = source.makeBankImage();
    PresetBank bank(nullptr);
    const auto before = bank.makeBankImage();

    // Too many records, a record body past the end, a negative record count.
    for (const auto& [at, value] : {std::pair<size_t, uint32_t>{kRecordCountOffset, 0x7fffffff},
                                    {41 + 4, 0xfffffff0u},
                                    {kRecordCountOffset, 0xffffffffu}})
    {
        auto damaged = good;
        writeU32(damaged, at, value);
        EXPECT_EQ(bank.applyBankImage(damaged), LoadResult::Refused) << at << " " << value;
    }
    const std::vector<uint8_t> header(good.begin(), good.begin() + 30);
    EXPECT_EQ(bank.applyBankImage(header), LoadResult::Refused);
    EXPECT_EQ(bank.makeBankImage(), before);

    EXPECT_EQ(bank.applyBankImage(source.makePresetImage()), LoadResult::OtherType);
    EXPECT_EQ(bank.applyPresetImage(std::vector<uint8_t>{'l', 'W', 'c'}), LoadResult::NotAnImage);
    EXPECT_EQ(bank.applyPresetImage(std::vector<uint8_t>(465, 0)), LoadResult::NotAnImage);
    EXPECT_EQ(bank.makeBankImage(), before);
}

TEST(PresetImages, the_last_value_record_counts_only_when_its_fields_end_within_the_image)
{
    PresetBank source(nullptr);
    source.setParameterValue(7, 1.0);
    for (const bool isBank : {false, true})
    {
        const auto full = isBank ? source.makeBankImage() : source.makePresetImage();
        // The last record: Bypass of the last preset, a 12-byte head and a 20-byte body whose
        // value lies at bytes 12-15.
        const size_t last = full.size() - 32;
        ASSERT_EQ(readU32(full, last + 12), 7u);
        auto apply = [&](PresetBank& bank, const std::vector<uint8_t>& image)
        { return isBank ? bank.applyBankImage(image) : bank.applyPresetImage(image); };

        // A stored body length of 0 to 24 bytes, the image ending right where it does.
        for (uint32_t length = 0; length <= 24; ++length)
        {
            SCOPED_TRACE(std::to_string(isBank) + " body " + std::to_string(length));
            std::vector<uint8_t> image(full.begin(),
                                       full.begin() + last + 12 + std::min(length, 20u));
            image.resize(last + 12 + length, 0);
            writeU32(image, last + 4, length);
            PresetBank bank(nullptr);
            const auto before = bank.makeBankImage();
            if (length >= 16)
            {
                ASSERT_EQ(apply(bank, image), LoadResult::Loaded);
                EXPECT_EQ(bank.workingPreset(isBank ? 9 : 0).values[7], 1.0f);
            }
            else
            {
                ASSERT_EQ(apply(bank, image), LoadResult::Refused) << "the value lies beyond";
                EXPECT_EQ(bank.makeBankImage(), before);
            }
        }
        // The stored length kept, the image cut anywhere within the last record.
        for (size_t end = last; end < full.size(); ++end)
        {
            PresetBank bank(nullptr);
            const auto before = bank.makeBankImage();
            const std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<long>(end));
            EXPECT_EQ(apply(bank, cut), LoadResult::Refused) << isBank << " cut at " << end;
            EXPECT_EQ(bank.makeBankImage(), before);
        }
    }
}

TEST(PresetImages, host_state_restores_the_bank_and_a_damaged_block_changes_no_preset)
{
    PresetBank source(nullptr);
    source.selectPreset(7);
    source.setParameterValue(4, 0.1);
    int32_t size = 0;
    const uint8_t* state = source.makeHostState(size);
    const std::vector<uint8_t> block(state, state + size);

    PresetBank bank(nullptr);
    EXPECT_TRUE(bank.applyHostState(block.data(), block.size()));
    EXPECT_EQ(bank.currentIndex(), 7);
    EXPECT_FLOAT_EQ(bank.workingPreset(7).values[4], 0.1f);

    // Other bytes read as records running past the end: refused, the header's extra value
    // kept too. A header whose records name no preset keeps nothing either.
    PresetBank other(nullptr);
    other.selectPreset(3);
    const auto before = other.makeBankImage();
    const uint32_t extraBefore = other.extraHeaderValue();
    std::vector<uint8_t> foreign(block.size(), 0x41);
    EXPECT_FALSE(other.applyHostState(foreign.data(), foreign.size()));
    EXPECT_EQ(other.extraHeaderValue(), extraBefore);
    EXPECT_FALSE(other.applyHostState(block.data(), 60));
    EXPECT_FALSE(other.applyHostState(nullptr, 0));
    std::vector<uint8_t> empty(block.begin(), block.begin() + 49);
    std::fill(empty.begin() + 8 + 13, empty.begin() + 8 + 21, uint8_t{0}); // no records, current 0
    EXPECT_FALSE(other.applyHostState(empty.data(), empty.size()));
    const auto after = other.makeBankImage();
    EXPECT_EQ(other.currentIndex(), 3);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(std::equal(after.begin() + 41, after.end(), before.begin() + 41))
        << "every preset record is as it was";
}
} // namespace
