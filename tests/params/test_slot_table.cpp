#include <FactoryPresets.h>
#include <ParameterTable.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
TEST(SlotTable, identifiers_are_found_exactly_and_presets_past_the_six_are_init_with_the_defaults)
{
    EXPECT_STREQ(getParameterIdentifier(16), "16:  ");
    EXPECT_EQ(getParameterIdentifier(17), nullptr);
    EXPECT_EQ(findParameterSlot("4: Transpose"), 4);
    EXPECT_EQ(findParameterSlot("8:  "), 8);
    EXPECT_EQ(findParameterSlot("MasterBypassID"), -1);
    EXPECT_EQ(findParameterSlot("4: transpose"), -1);
    EXPECT_EQ(findParameterSlot(nullptr), -1);

    EXPECT_EQ(getParameterFlags(-1), 0);
    EXPECT_EQ(getParameterFlags(47), 0);
    const double defaults[17] = {0.5, 0.25, 0.25, 0.25, 0.5, 0.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int slot = 0; slot < 17; ++slot)
        EXPECT_EQ(getParameterDefault(slot), defaults[slot]) << slot;
    EXPECT_EQ(getParameterDefault(-3), 0.0);

    // Presets past the six factory ones are Init with the Default preset's values. The six
    // names are what real hosts list: their tests check them.
    double values[8], preset0[8];
    char name[32];
    getFactoryPreset(0, preset0, nullptr);
    for (int index : {6, 9, 100, -1})
    {
        std::strcpy(name, "xxxxxxxx");
        for (double& v : values)
            v = -1.0;
        getFactoryPreset(index, values, name);
        EXPECT_STREQ(name, "Init") << index;
        EXPECT_EQ(0, std::memcmp(values, preset0, sizeof values)) << index;
    }
    std::strcpy(name, "kept");
    getFactoryPreset(1, nullptr, nullptr); // both skipped, no crash
    EXPECT_STREQ(name, "kept");
}
} // namespace
