#include <ORLChordwellController.h>
#include <ORLMasterController.h>
#include <ORLPresetModel.h>
#include <ParameterTable.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace
{
struct FakeModel : ORLPresetModel
{
    std::vector<std::string> calls;
    uint8_t state[16] = {0, 0, 0, 2};
    double values[8] = {0.5, 1.7, -0.3, 0.25, 0.5, 0.5, 0.0, 0.0};
    bool hasBank = true;
    bool accepts = true;

    void setParameterValue(int32_t, double) override { calls.push_back("set"); }
    const uint8_t* makeHostState(int32_t& size) override
    {
        size = sizeof state;
        return state;
    }
    bool applyHostState(const uint8_t*, size_t size) override
    {
        calls.push_back("apply " + std::to_string(size));
        return accepts;
    }
    uint32_t extraHeaderValue() const override { return 3; }
    void commitPreset(int32_t index) override
    {
        calls.push_back("commit " + std::to_string(index));
    }
    int32_t currentIndex() const override { return 4; }
    bool currentValue(int slot, double& value) const override
    {
        value = values[slot];
        return hasBank;
    }
};

struct FakeMaster : ORLMasterController
{
    FakeModel* model = nullptr;
    std::vector<std::pair<int, double>> sets;
    void setParameter(int32_t index, double value) override { sets.emplace_back(index, value); }
    int32_t saveGlobalValue(int32_t, double) override { return 0; }
    int32_t loadGlobalValue(int32_t, double&) override { return 0; }
    ORLPresetModel* getPresetModel() override { return model; }
};

TEST(ChordwellController, restored_state_commits_every_preset_and_sends_clamped_values)
{
    FakeModel model;
    FakeMaster master;
    master.model = &model;
    ORLChordwellController controller(&master);
    const uint8_t block[20] = {};
    model.accepts = false;
    EXPECT_FALSE(controller.setStateImage(block, 20, nullptr));
    EXPECT_EQ(model.calls.size(), 1u) << "a refused image commits nothing";
    EXPECT_TRUE(master.sets.empty()) << "and sends nothing";
    model.calls.clear();
    model.accepts = true;
    EXPECT_TRUE(controller.setStateImage(block, 20, nullptr));

    ASSERT_EQ(model.calls.size(), 12u);
    EXPECT_EQ(model.calls[0], "apply 20");
    EXPECT_EQ(model.calls[1], "commit 0");
    EXPECT_EQ(model.calls[10], "commit 9");
    EXPECT_EQ(model.calls[11], "commit 4") << "the current preset once more";
    ASSERT_EQ(master.sets.size(), 9u);
    EXPECT_EQ(master.sets[0], std::make_pair(chordwell::kBankStateSlot, 3.0));
    EXPECT_EQ(master.sets[2], std::make_pair(1, 1.0));
    EXPECT_EQ(master.sets[3], std::make_pair(2, 0.0));

    const void* image = nullptr;
    EXPECT_EQ(controller.getStateImage(&image), 16);
    EXPECT_EQ(image, model.state);
}

TEST(ChordwellController, without_a_model_or_bank_nothing_breaks)
{
    FakeMaster master;
    ORLChordwellController controller(&master);
    const void* image = &master;
    EXPECT_EQ(controller.getStateImage(&image), 0);
    EXPECT_EQ(image, nullptr);
    controller.setStateImage(nullptr, 0, nullptr);
    EXPECT_TRUE(master.sets.empty());

    FakeModel model;
    model.hasBank = false;
    master.model = &model;
    controller.setStateImage(nullptr, 0, nullptr);
    ASSERT_EQ(master.sets.size(), 8u) << "no data: only the eight values, 0.0 without a bank";
    EXPECT_EQ(master.sets[1].second, 0.0);
}
} // namespace
