#include "InProcessPlugin.h"

namespace
{
TEST(Description, one_effect_in_three_layouts_each_with_its_own_ids_and_callback)
{
    InProcessPlugin plugin;
    const EffectDescription& e = plugin.effect();
    EXPECT_EQ(e.id, "com.orlund.aax.orlchordwell");
    ASSERT_EQ(e.components.size(), 3u);
    // Mono, stereo, mono in / stereo out.
    const int32_t stems[3][2] = {{1, 1}, {0x10002, 0x10002}, {1, 0x10002}};
    const AAX_CTypeID native[3] = {AAX_FourCC("QWcm"), AAX_FourCC("QWcs"), AAX_FourCC("QWcx")};
    for (size_t v = 0; v < 3; ++v)
    {
        const PropertyList expected = {{11, static_cast<int32_t>(AAX_FourCC("ORLa"))},
                                       {12, static_cast<int32_t>(AAX_FourCC("QcWl"))},
                                       {60, 1},
                                       {51, stems[v][0]},
                                       {52, stems[v][1]},
                                       {13, static_cast<int32_t>(native[v])},
                                       {14, static_cast<int32_t>(AAX_FourCC("QWca"))}};
        EXPECT_EQ(e.components[v].properties, expected) << "variant " << v + 1;
    }
    EXPECT_NE(e.components[0].render, e.components[1].render);
    EXPECT_NE(e.components[1].render, e.components[2].render);
    // The two real meters; the other 64 are never written.
    EXPECT_EQ(e.meters.at(0).name, "Input");
    EXPECT_EQ(e.meters.at(0).properties, (PropertyList{{200, 0}, {201, 0}}));
    EXPECT_EQ(e.meters.at(1).name, "Output");
    EXPECT_EQ(e.meters.at(1).properties, (PropertyList{{200, 1}, {201, 0}}));
}
} // namespace
