// The session state through the plug-in's state interface and through lilv's own state files:
// the whole bank comes back in a new instance, damaged or foreign state changes nothing.
#include "LilvHost.h"
#include "Lv2Paths.h"

#include <PresetBank.h>

#include <gtest/gtest.h>
#include <lv2/atom/atom.h>
#include <lv2/state/state.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
constexpr const char* kBankKey = "https://www.orlund.com/lv2/chordwell#bank";
constexpr const char* kBankType = "https://www.orlund.com/lv2/chordwell#AllChunkV1";
constexpr uint8_t kClosingWords[8] = {0x00, 0x00, 0x30, 0x00, 0x00, 0x00, 0x30, 0x00};

// One property as a host keeps it between save and restore.
struct Property
{
    LV2_URID key = 0;
    std::vector<uint8_t> value;
    LV2_URID type = 0;
    bool present = false;
};

LV2_State_Status store(LV2_State_Handle handle, uint32_t key, const void* value, size_t size,
                       uint32_t type, uint32_t)
{
    auto* p = static_cast<Property*>(handle);
    p->key = key;
    p->value.assign(static_cast<const uint8_t*>(value), static_cast<const uint8_t*>(value) + size);
    p->type = type;
    p->present = true;
    return LV2_STATE_SUCCESS;
}

const void* retrieve(LV2_State_Handle handle, uint32_t key, size_t* size, uint32_t* type,
                     uint32_t* flags)
{
    auto* p = static_cast<Property*>(handle);
    if (!p->present || key != p->key)
        return nullptr;
    *size = p->value.size();
    *type = p->type;
    *flags = LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE;
    return p->value.data();
}

const LV2_State_Interface* stateOf(LilvRunner& runner)
{
    return static_cast<const LV2_State_Interface*>(
        lilv_instance_get_extension_data(runner.lilvInstance(), LV2_STATE__interface));
}

Property save(LilvRunner& runner)
{
    Property p;
    EXPECT_EQ(stateOf(runner)->save(lilv_instance_get_handle(runner.lilvInstance()), store, &p, 0,
                                    nullptr),
              LV2_STATE_SUCCESS);
    return p;
}

LV2_State_Status restore(LilvRunner& runner, Property& p)
{
    return stateOf(runner)->restore(lilv_instance_get_handle(runner.lilvInstance()), retrieve, &p,
                                    0, nullptr);
}

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
    useBuiltBundle();
    LilvHost host;
    const LilvPlugin* plugin = host.plugin(chordwellUri("stereo"));
    LilvRunner first(host, plugin, 48000.0, 64);
    ASSERT_TRUE(first.ok());
    ASSERT_NE(stateOf(first), nullptr);

    Property given{host.map()->map(host.map()->handle, kBankKey), editedBankChunk(),
                   host.map()->map(host.map()->handle, kBankType), true};
    ASSERT_EQ(restore(first, given), LV2_STATE_SUCCESS);
    const Property saved = save(first);
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

    const Property again = save(second);
    EXPECT_EQ(again.value, given.value);
    EXPECT_EQ(bankOf(again.value), "3 Long Hall 0.875000, Bright");
}

TEST(Lv2State, DamagedOrForeignStateIsRefusedAndTheBankStaysAsItWas)
{
    useBuiltBundle();
    LilvHost host;
    LilvRunner runner(host, host.plugin(chordwellUri("mono")), 48000.0, 64);
    ASSERT_TRUE(runner.ok());
    const LV2_URID key = host.map()->map(host.map()->handle, kBankKey);
    const LV2_URID type = host.map()->map(host.map()->handle, kBankType);
    Property good{key, editedBankChunk(), type, true};
    ASSERT_EQ(restore(runner, good), LV2_STATE_SUCCESS);

    Property foreignType = good;
    foreignType.type = host.map()->map(host.map()->handle, LV2_ATOM_PREFIX "Chunk");
    EXPECT_EQ(restore(runner, foreignType), LV2_STATE_ERR_BAD_TYPE);

    Property shortened = good;
    shortened.value.resize(shortened.value.size() / 2);
    Property wrongPrefix = good;
    wrongPrefix.value[5] ^= 0x20;
    Property valueOutOfRange = good;
    // A value in the middle of the records made larger than 1.
    for (size_t at = 1200; at < 1220; ++at)
        valueOutOfRange.value[at] = 0x7F;
    Property oneByte{key, {0}, type, true};
    for (Property* bad : {&shortened, &wrongPrefix, &valueOutOfRange, &oneByte})
        EXPECT_NE(restore(runner, *bad), LV2_STATE_SUCCESS) << bad->value.size();

    EXPECT_EQ(save(runner).value, good.value);

    // A session from before there was a bank in the state: nothing to restore, nothing lost.
    Property none;
    EXPECT_EQ(restore(runner, none), LV2_STATE_SUCCESS);
    EXPECT_EQ(save(runner).value, good.value);
}

TEST(Lv2State, AFactoryPresetChosenInTheHostBecomesTheBanksCurrentPresetAndTheSessionKeepsIt)
{
    useBuiltBundle();
    LilvHost host;
    const LilvPlugin* plugin = host.plugin(chordwellUri("stereo"));
    LilvRunner runner(host, plugin, 48000.0, 64);
    ASSERT_TRUE(runner.ok());
    ASSERT_TRUE(runner.applyPreset(host.presetByLabel(plugin, "Low & Dark")));
    const Property saved = save(runner);
    EXPECT_EQ(bankOf(saved.value), "3 Low & Dark 0.600000, Bright");
    EXPECT_EQ(runner.control("decay"), 0.6f);

    // The session reopened: the bank comes back with that preset current.
    LilvRunner reopened(host, plugin, 48000.0, 64);
    Property again = saved;
    ASSERT_EQ(restore(reopened, again), LV2_STATE_SUCCESS);
    EXPECT_EQ(bankOf(save(reopened).value), "3 Low & Dark 0.600000, Bright");

    // A bank whose place the user renamed keeps its name; it takes the values the host set.
    Property own{host.map()->map(host.map()->handle, kBankKey), editedBankChunk(),
                 host.map()->map(host.map()->handle, kBankType), true};
    ASSERT_EQ(restore(reopened, own), LV2_STATE_SUCCESS);
    ASSERT_TRUE(reopened.applyPreset(host.presetByLabel(plugin, "Bright")));
    ASSERT_TRUE(reopened.applyPreset(host.presetByLabel(plugin, "Low & Dark")));
    EXPECT_EQ(bankOf(save(reopened).value), "3 Long Hall 0.600000, Bright");

    // A place outside the bank, or of another type, is refused and changes nothing.
    const LV2_URID placeKey =
        host.map()->map(host.map()->handle, "https://www.orlund.com/lv2/chordwell#factoryPreset");
    const LV2_URID intType = host.map()->map(host.map()->handle, LV2_ATOM__Int);
    const LV2_URID floatType = host.map()->map(host.map()->handle, LV2_ATOM__Float);
    const auto bytes = [](int32_t v)
    {
        std::vector<uint8_t> out(4);
        std::memcpy(out.data(), &v, 4);
        return out;
    };
    const auto before = save(reopened).value;
    for (Property bad : {Property{placeKey, bytes(10), intType, true},
                         Property{placeKey, bytes(-1), intType, true},
                         Property{placeKey, bytes(2), floatType, true}})
        EXPECT_NE(restore(reopened, bad), LV2_STATE_SUCCESS);
    EXPECT_EQ(save(reopened).value, before);
    Property fine{placeKey, bytes(1), intType, true};
    EXPECT_EQ(restore(reopened, fine), LV2_STATE_SUCCESS);
    EXPECT_EQ(bankOf(save(reopened).value), "1 Bright 0.500000, Bright");
}
