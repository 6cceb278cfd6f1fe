#include <ORLChordwellController.h>
#include <ORLMasterController.h>
#include <PresetBank.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace
{
struct RecordingMaster : ORLMasterController
{
    PresetBank bank{this};
    std::vector<std::pair<int, double>> sets;
    void setParameter(int32_t index, double value) override { sets.emplace_back(index, value); }
    int32_t saveGlobalValue(int32_t, double) override { return 0; }
    int32_t loadGlobalValue(int32_t, double&) override { return 0; }
    ORLPresetModel* getPresetModel() override { return &bank; }
};

TEST(StateImage, a_restored_project_brings_back_the_bank_and_plays_its_current_preset)
{
    RecordingMaster saved;
    saved.bank.selectPreset(5);
    saved.bank.setParameterValue(3, 0.4);
    ORLChordwellController savedController(&saved);
    const void* image = nullptr;
    const int32_t size = savedController.getStateImage(&image);
    ASSERT_GT(size, 0);
    const std::vector<uint8_t> chunk(static_cast<const uint8_t*>(image),
                                     static_cast<const uint8_t*>(image) + size);

    RecordingMaster restored;
    ORLChordwellController controller(&restored);
    controller.setStateImage(chunk.data(), size, nullptr);
    EXPECT_EQ(restored.bank.currentIndex(), 5);
    EXPECT_FALSE(restored.bank.isEdited(5)) << "everything restored is committed";
    EXPECT_FLOAT_EQ(restored.bank.storedPreset(5).values[3], 0.4f);
    ASSERT_EQ(restored.sets.size(), 9u);
    EXPECT_EQ(restored.sets[0], std::make_pair(17, 0.0));
    EXPECT_DOUBLE_EQ(restored.sets[4].second, 0.4f) << "slot 3 of the current preset";
    EXPECT_DOUBLE_EQ(restored.sets[7].second, 1.0f) << "Detuned's detune";
}
} // namespace
