// The session state through the plug-in's state interface: the whole bank comes back, damaged or
// foreign state changes nothing, a factory preset chosen in the host becomes current. (Through
// lilv's state files in a host: Ardour's LV2 suite.)
#include "LilvHost.h"
#include "Lv2Paths.h"

#include <PresetBank.h>

#include <gtest/gtest.h>
#include <lv2/atom/atom.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace
{
constexpr const char* kBankKey = "https://www.orlund.com/lv2/chordwell#bank";
constexpr const char* kBankType = "https://www.orlund.com/lv2/chordwell#AllChunkV1";
constexpr uint8_t kClosingWords[8] = {0x00, 0x00, 0x30, 0x00, 0x00, 0x00, 0x30, 0x00};

// The bank property of a bank that differs from the factory bank: preset 3 renamed and
// changed, preset 3 current.
StateProperty editedBank(LilvHost& host)
{
    PresetBank bank(nullptr, false);
    bank.selectPreset(3);
    bank.setParameterValue(2, 0.875);
    bank.renameCurrentPreset("Long Hall");
    int32_t size = 0;
    const uint8_t* image = bank.makeHostState(size);
    std::vector<uint8_t> chunk(image, image + size);
    chunk.insert(chunk.end(), kClosingWords, kClosingWords + 8);
    return {host.mapped(kBankKey), chunk, host.mapped(kBankType), true};
}

// The bank in a saved chunk, read with the bank's own reader: its current place, that place's
// name and Decay, and the name of place 1.
std::string bankOf(const std::vector<uint8_t>& chunk)
{
    if (chunk.size() < 8 + presetimage::kBankImageSize)
        return "too short";
    PresetBank bank(nullptr, false);
    bank.applyHostState(chunk.data(), chunk.size() - 8);
    const int q = bank.currentIndex();
    return std::to_string(q) + " " + bank.presetName(q) + " " +
           std::to_string(bank.workingPreset(q).values[2]) + ", " + bank.presetName(1);
}
} // namespace

TEST(Lv2State, TheBankComesBackByteForByteAndDamagedOrForeignStateIsRefusedWithoutChangingIt)
{
    LilvHost host(kBuiltBundles);
    LilvRunner runner(host, host.plugin(chordwellUri("mono")), 48000.0, 64);
    ASSERT_TRUE(runner.ok());
    const StateProperty good = editedBank(host);
    ASSERT_EQ(restoreState(runner, good), LV2_STATE_SUCCESS);
    EXPECT_EQ(saveState(runner).type, good.type);
    EXPECT_EQ(bankOf(saveState(runner).value), "3 Long Hall 0.875000, Bright");

    // The bank's own refusals: tests/state.
    std::vector<StateProperty> bad(3, good);
    bad[0].type = host.mapped(LV2_ATOM_PREFIX "Chunk");
    EXPECT_EQ(restoreState(runner, bad[0]), LV2_STATE_ERR_BAD_TYPE);
    bad[1].value.resize(good.value.size() / 2);
    bad[2].value = {0};
    for (const StateProperty& b : bad)
        EXPECT_NE(restoreState(runner, b), LV2_STATE_SUCCESS) << b.value.size();
    EXPECT_EQ(saveState(runner).value, good.value);

    // A session from before there was a bank in the state: nothing to restore, nothing lost.
    EXPECT_EQ(restoreState(runner, StateProperty{}), LV2_STATE_SUCCESS);
    EXPECT_EQ(saveState(runner).value, good.value);
}

TEST(Lv2State, AFactoryPresetChosenInTheHostBecomesTheBanksCurrentPresetAndTheSessionKeepsIt)
{
    LilvHost host(kBuiltBundles);
    const LilvPlugin* plugin = host.plugin(chordwellUri("stereo"));
    LilvRunner runner(host, plugin, 48000.0, 64);
    ASSERT_TRUE(runner.ok());
    ASSERT_TRUE(runner.applyPreset(host.presetByLabel(plugin, "Low & Dark")));
    const StateProperty saved = saveState(runner);
    EXPECT_EQ(bankOf(saved.value), "3 Low & Dark 0.600000, Bright");
    EXPECT_EQ(runner.control("decay"), 0.6f);

    // The session reopened: the bank comes back with that preset current.
    LilvRunner reopened(host, plugin, 48000.0, 64);
    ASSERT_EQ(restoreState(reopened, saved), LV2_STATE_SUCCESS);
    EXPECT_EQ(bankOf(saveState(reopened).value), "3 Low & Dark 0.600000, Bright");

    // A bank whose place the user renamed keeps its name; it takes the values the host set.
    ASSERT_EQ(restoreState(reopened, editedBank(host)), LV2_STATE_SUCCESS);
    ASSERT_TRUE(reopened.applyPreset(host.presetByLabel(plugin, "Bright")));
    ASSERT_TRUE(reopened.applyPreset(host.presetByLabel(plugin, "Low & Dark")));
    EXPECT_EQ(bankOf(saveState(reopened).value), "3 Long Hall 0.600000, Bright");

    // A place outside the bank, or of another type, is refused and changes nothing.
    const LV2_URID placeKey = host.mapped("https://www.orlund.com/lv2/chordwell#factoryPreset");
    const LV2_URID intType = host.mapped(LV2_ATOM__Int);
    const auto place = [&](int32_t v, LV2_URID type)
    {
        const auto* bytes = reinterpret_cast<const uint8_t*>(&v);
        return restoreState(reopened, {placeKey, {bytes, bytes + 4}, type, true});
    };
    const auto before = saveState(reopened).value;
    for (const auto& [v, type] :
         {std::pair{10, intType}, {-1, intType}, {2, host.mapped(LV2_ATOM__Float)}})
        EXPECT_NE(place(v, type), LV2_STATE_SUCCESS) << v;
    EXPECT_EQ(saveState(reopened).value, before);
    EXPECT_EQ(place(1, intType), LV2_STATE_SUCCESS);
    EXPECT_EQ(bankOf(saveState(reopened).value), "1 Bright 0.500000, Bright");
}
