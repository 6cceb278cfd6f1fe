// The session state through the plug-in's state interface and through lilv's own state files:
// the whole bank comes back in a new instance, damaged or foreign state changes nothing.
#include "LilvHost.h"
#include "Lv2Paths.h"

#include <PresetBank.h>

#include <gtest/gtest.h>
#include <lv2/atom/atom.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
constexpr const char* kBankKey = "https://www.orlund.com/lv2/chordwell#bank";
constexpr const char* kBankType = "https://www.orlund.com/lv2/chordwell#AllChunkV1";
constexpr uint8_t kClosingWords[8] = {0x00, 0x00, 0x30, 0x00, 0x00, 0x00, 0x30, 0x00};

// A bank that differs from the factory bank: preset 3 renamed and changed, preset 3 current.
std::vector<uint8_t> editedBankChunk()
{
    PresetBank bank(nullptr, false);
    bank.selectPreset(3);
    bank.setParameterValue(2, 0.875);
    bank.renameCurrentPreset("Long Hall");
    int32_t size = 0;
    const uint8_t* image = bank.makeHostState(size);
    std::vector<uint8_t> chunk(image, image + size);
    chunk.insert(chunk.end(), kClosingWords, kClosingWords + 8);
    return chunk;
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

TEST(Lv2State, TheWholeBankComesBackInANewInstanceThroughTheInterfaceAndLilvStateFiles)
{
    LilvHost host(kBuiltBundles);
    const LilvPlugin* plugin = host.plugin(chordwellUri("stereo"));
    LilvRunner first(host, plugin, 48000.0, 64);
    ASSERT_TRUE(first.ok());

    StateProperty given{host.mapped(kBankKey), editedBankChunk(), host.mapped(kBankType), true};
    ASSERT_EQ(restoreState(first, given), LV2_STATE_SUCCESS);
    const StateProperty saved = saveState(first);
    EXPECT_EQ(saved.type, given.type);
    EXPECT_EQ(saved.value, given.value);

    // Through lilv: state saved to a folder of Turtle, read back and restored elsewhere.
    const auto dir = std::filesystem::temp_directory_path() / "orl-lv2-state-test";
    std::filesystem::remove_all(dir);
    LilvState* state = lilv_state_new_from_instance(
        plugin, first.lilvInstance(), host.map(), nullptr, nullptr, nullptr, dir.c_str(),
        [](const char*, void*, uint32_t*, uint32_t*) -> const void* { return nullptr; }, nullptr,
        LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE, host.features());
    ASSERT_NE(state, nullptr);
    ASSERT_EQ(lilv_state_save(host.world(), host.map(), host.unmap(), state, nullptr, dir.c_str(),
                              "state.ttl"),
              0);
    lilv_state_free(state);
    LilvState* loaded =
        lilv_state_new_from_file(host.world(), host.map(), nullptr, (dir / "state.ttl").c_str());
    ASSERT_NE(loaded, nullptr);
    LilvRunner second(host, plugin, 48000.0, 64);
    lilv_state_restore(loaded, second.lilvInstance(), nullptr, nullptr, 0, host.features());
    lilv_state_free(loaded);
    std::filesystem::remove_all(dir);

    const StateProperty again = saveState(second);
    EXPECT_EQ(again.value, given.value);
    EXPECT_EQ(bankOf(again.value), "3 Long Hall 0.875000, Bright");
}

TEST(Lv2State, DamagedOrForeignStateIsRefusedAndTheBankStaysAsItWas)
{
    LilvHost host(kBuiltBundles);
    LilvRunner runner(host, host.plugin(chordwellUri("mono")), 48000.0, 64);
    ASSERT_TRUE(runner.ok());
    const LV2_URID key = host.mapped(kBankKey);
    const LV2_URID type = host.mapped(kBankType);
    StateProperty good{key, editedBankChunk(), type, true};
    ASSERT_EQ(restoreState(runner, good), LV2_STATE_SUCCESS);

    StateProperty foreignType = good;
    foreignType.type = host.mapped(LV2_ATOM_PREFIX "Chunk");
    EXPECT_EQ(restoreState(runner, foreignType), LV2_STATE_ERR_BAD_TYPE);

    StateProperty shortened = good;
    shortened.value.resize(shortened.value.size() / 2);
    StateProperty wrongPrefix = good;
    wrongPrefix.value[5] ^= 0x20;
    StateProperty valueOutOfRange = good;
    // A value in the middle of the records made larger than 1.
    for (size_t at = 1200; at < 1220; ++at)
        valueOutOfRange.value[at] = 0x7F;
    StateProperty oneByte{key, {0}, type, true};
    for (StateProperty* bad : {&shortened, &wrongPrefix, &valueOutOfRange, &oneByte})
        EXPECT_NE(restoreState(runner, *bad), LV2_STATE_SUCCESS) << bad->value.size();

    EXPECT_EQ(saveState(runner).value, good.value);

    // A session from before there was a bank in the state: nothing to restore, nothing lost.
    StateProperty none;
    EXPECT_EQ(restoreState(runner, none), LV2_STATE_SUCCESS);
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
    StateProperty own{host.mapped(kBankKey), editedBankChunk(), host.mapped(kBankType), true};
    ASSERT_EQ(restoreState(reopened, own), LV2_STATE_SUCCESS);
    ASSERT_TRUE(reopened.applyPreset(host.presetByLabel(plugin, "Bright")));
    ASSERT_TRUE(reopened.applyPreset(host.presetByLabel(plugin, "Low & Dark")));
    EXPECT_EQ(bankOf(saveState(reopened).value), "3 Long Hall 0.600000, Bright");

    // A place outside the bank, or of another type, is refused and changes nothing.
    const LV2_URID placeKey = host.mapped("https://www.orlund.com/lv2/chordwell#factoryPreset");
    const LV2_URID intType = host.mapped(LV2_ATOM__Int);
    const LV2_URID floatType = host.mapped(LV2_ATOM__Float);
    const auto bytes = [](int32_t v)
    {
        std::vector<uint8_t> out(4);
        std::memcpy(out.data(), &v, 4);
        return out;
    };
    const auto before = saveState(reopened).value;
    for (StateProperty bad : {StateProperty{placeKey, bytes(10), intType, true},
                              StateProperty{placeKey, bytes(-1), intType, true},
                              StateProperty{placeKey, bytes(2), floatType, true}})
        EXPECT_NE(restoreState(reopened, bad), LV2_STATE_SUCCESS);
    EXPECT_EQ(saveState(reopened).value, before);
    StateProperty fine{placeKey, bytes(1), intType, true};
    EXPECT_EQ(restoreState(reopened, fine), LV2_STATE_SUCCESS);
    EXPECT_EQ(bankOf(saveState(reopened).value), "1 Bright 0.500000, Bright");
}
