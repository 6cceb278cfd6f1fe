#include "InProcessPlugin.h"

#include <ParameterTable.h>
#include <PresetBank.h>

#include <cstring>
#include <tuple>
#include <utility>

namespace
{
constexpr AAX_CTypeID kAll = AAX_FourCC("All ");

TEST(ParametersWrapper, value_texts_refuse_unknown_ids_and_keep_to_the_hosts_length)
{
    InProcessPlugin plugin;
    auto instance = plugin.instance();
    // Identifier, value, the host's length; the text and verdict.
    const std::tuple<const char*, double, int32_t, std::string, AAX_Result> rows[] = {
        {"MasterBypassID", 1.0, 32, "untouched", -20001},
        {"no such id", 0.5, 32, "untouched", -20001},
        {"0: Output", 0.5, 4, "0.0 ", 0},
        {"0: Output", 0.5, 32, "0.0 dB", 0},
        {"8:  ", 0.3, 32, "  ", 0}};
    for (const auto& [id, value, length, text, result] : rows)
    {
        AAX_CString got("untouched");
        const AAX_Result r =
            instance->parametersObject().GetParameterStringFromValue(id, value, &got, length);
        EXPECT_EQ(std::pair(got.str(), r), std::pair(text, result)) << id << " " << length;
    }
    AAX_CString current;
    instance->parametersObject().GetParameterValueString("MasterBypassID", &current, 32);
    EXPECT_EQ(current.str(), "bypass");
}

TEST(ParametersWrapper, state_chunk_closes_the_banks_host_state_and_no_third_chunk_is_named)
{
    InProcessPlugin plugin;
    auto instance = plugin.instance();
    AAX_CTypeID id = 99;
    EXPECT_EQ(instance->parametersObject().GetChunkIDFromIndex(2, &id), -20006);
    EXPECT_EQ(id, 0u);
    std::vector<uint8_t> chunk;
    ASSERT_EQ(instance->getChunk(kAll, chunk), 0);
    ASSERT_EQ(chunk.size(), 4289u + 8u) << "the bank's host state and two closing words";
    EXPECT_EQ(std::memcmp(chunk.data() + 4289, "\0\0\x30\0\0\0\x30\0", 8), 0);
}

TEST(ParametersWrapper, restored_state_chunk_touches_sets_and_releases_each_public_slot)
{
    InProcessPlugin plugin;
    PresetBank source(nullptr, false);
    source.selectPreset(3);
    int32_t size = 0;
    const uint8_t* state = source.makeHostState(size);
    std::vector<uint8_t> chunk(state, state + size);
    chunk.resize(chunk.size() + 8);

    auto instance = plugin.instance();
    instance->clearCalls();
    ASSERT_EQ(instance->setChunk(kAll, chunk), 0);

    std::vector<std::string> sequence;
    for (const auto& call : instance->calls())
        if (call.what != "update" && call.what != "echo-set")
            sequence.push_back(call.what + " " + call.id);
    ASSERT_GE(sequence.size(), 24u);
    for (size_t slot = 0; slot < 8; ++slot)
    {
        const std::string id = getParameterIdentifier(static_cast<int>(slot));
        EXPECT_EQ(std::vector(sequence.begin() + 3 * slot, sequence.begin() + 3 * slot + 3),
                  (std::vector<std::string>{"touch " + id, "set " + id, "release " + id}));
        EXPECT_EQ(instance->parameters()[slot + 1].value, source.workingPreset(3).values[slot]);
    }
}

TEST(ParametersWrapper, short_or_damaged_chunks_and_private_fields_are_refused_and_change_nothing)
{
    InProcessPlugin plugin;
    auto instance = plugin.instance();
    AAX_IEffectParameters& p = instance->parametersObject();
    alignas(16) uint8_t buffer[600] = {};
    EXPECT_EQ(p.ResetFieldData(14, buffer, 64), -20016);
    EXPECT_EQ(p.ResetFieldData(15, nullptr, 4), -20016);
    EXPECT_EQ(p.ResetFieldData(16, buffer, 527), -20016);
    buffer[0] = 7;
    EXPECT_EQ(p.ResetFieldData(3, buffer, 4), 0);
    EXPECT_EQ(buffer[0], 0) << "a field of no size of its own is cleared";

    std::vector<uint8_t> before;
    ASSERT_EQ(instance->getChunk(kAll, before), 0);
    instance->clearCalls();
    EXPECT_EQ(instance->setChunk(kAll, std::vector<uint8_t>(11, 0xFF)), -20011);
    EXPECT_TRUE(instance->calls().empty());
    // A damaged image code: the VST 3 and LV2 shells refuse it, and so does this one.
    std::vector<uint8_t> damagedCode = before;
    damagedCode[8] ^= 0x01;
    EXPECT_EQ(instance->setChunk(kAll, damagedCode), -20016);
    EXPECT_TRUE(instance->calls().empty());
    std::vector<uint8_t> after;
    ASSERT_EQ(instance->getChunk(kAll, after), 0);
    EXPECT_EQ(before, after);
}

TEST(ParametersWrapper, parameter_chunk_restores_every_host_value_and_refuses_damage)
{
    constexpr AAX_CTypeID kElck = AAX_FourCC("elck");
    InProcessPlugin plugin;
    auto first = plugin.instance();
    first->automate("3: Damp", 0.125);
    first->automate("MasterBypassID", 1.0);
    first->deliverUpdates();
    std::vector<uint8_t> saved;
    ASSERT_EQ(first->getChunk(kElck, saved), 0);

    // The data's own damage is the state file reader's to judge: one case shows the verdict.
    auto second = plugin.instance();
    std::vector<uint8_t> leftover = saved;
    leftover.push_back(0);
    EXPECT_EQ(second->setChunk(kElck, leftover), -20016);
    EXPECT_EQ(second->parameters()[4].value, 0.25);
    ASSERT_EQ(second->setChunk(kElck, saved), 0);
    EXPECT_EQ(second->parameters()[4].value, 0.125);
    EXPECT_EQ(second->parameters()[0].value, 1.0);
    EXPECT_EQ(second->setChunk(AAX_FourCC("nope"), saved), -20007);
    // Well formed but keeping nothing: no entries, or only unknown identifiers.
    EXPECT_EQ(second->setChunk(kElck, std::vector<uint8_t>(4, 0)), -20016);
    const std::vector<uint8_t> unknown = {1, 0, 0, 0, 1, 0, 0, 0, 'x', 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(second->setChunk(kElck, unknown), -20016);
}

} // namespace
