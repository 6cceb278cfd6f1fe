#include "InProcessPlugin.h"

#include <MeterTable.h>

#include <cstring>

namespace
{
AAX_CTypeID fourccOf(const char* text)
{
    char code[5] = {};
    std::memcpy(code, text, 4);
    return AAX_FourCC(code);
}

TEST(Description, describes_one_effect_with_its_identity_and_package)
{
    InProcessPlugin plugin;
    const PluginDescription& d = plugin.host.recorder().description();
    ASSERT_EQ(d.effects.size(), 1u);
    const EffectDescription& e = d.effects[0];
    EXPECT_EQ(e.id, "com.orlund.aax.orlchordwell");
    EXPECT_EQ(e.names, std::vector<std::string>{"ORL Chordwell"});
    EXPECT_EQ(e.categories, std::vector<uint32_t>{8});
    EXPECT_EQ(d.manufacturer, "Orlund");
    EXPECT_EQ(d.packageNames,
              (std::vector<std::string>{"ORL Chordwell -  - free resonant reverberator",
                                        "ORL Chordwell", "ORL Chordwell"}));
    EXPECT_EQ(d.packageVersion, 69637u);
    ASSERT_EQ(e.resources.size(), 1u);
    EXPECT_EQ(e.resources[0], std::make_pair(1, std::string("ORLChordwellPageTables.xml")));
    ASSERT_EQ(e.procs.size(), 3u);
    EXPECT_EQ(e.procs[0].first, 0);
    EXPECT_EQ(e.procs[1].first, 5);
    EXPECT_EQ(e.procs[2].first, 1);
}

TEST(Description, three_variants_share_the_context_layout_with_their_own_ids_and_callbacks)
{
    InProcessPlugin plugin;
    const EffectDescription& e = plugin.effect();
    ASSERT_EQ(e.components.size(), 3u);
    const int32_t stems[3][2] = {{1, 1}, {0x10002, 0x10002}, {1, 0x10002}};
    const char* native[3] = {"QWcm", "QWcs", "QWcx"};
    for (size_t v = 0; v < 3; ++v)
    {
        const ComponentDescription& c = e.components[v];
        const PropertyList expected = {{11, static_cast<int32_t>(AAX_FourCC("ORLa"))},
                                       {12, static_cast<int32_t>(AAX_FourCC("QcWl"))},
                                       {60, 1},
                                       {51, stems[v][0]},
                                       {52, stems[v][1]},
                                       {13, static_cast<int32_t>(fourccOf(native[v]))},
                                       {14, static_cast<int32_t>(AAX_FourCC("QWca"))}};
        EXPECT_EQ(c.properties, expected) << "variant " << v + 1;
        EXPECT_NE(c.instanceInit, nullptr);
        EXPECT_EQ(c.background, nullptr);
        ASSERT_EQ(c.fields.size(), 17u);
        for (int32_t port = 0; port <= 8; ++port)
        {
            EXPECT_EQ(c.fields[port].kind, FieldKind::DataInPort);
            EXPECT_EQ(c.fields[port].size, 4u);
            EXPECT_EQ(c.fields[port].option, 1);
        }
        EXPECT_EQ(c.fields[9].kind, FieldKind::AudioIn);
        EXPECT_EQ(c.fields[10].kind, FieldKind::AudioOut);
        EXPECT_EQ(c.fields[11].kind, FieldKind::BufferLength);
        EXPECT_EQ(c.fields[12].kind, FieldKind::SampleRate);
        EXPECT_EQ(c.fields[13].kind, FieldKind::Meters);
        EXPECT_EQ(c.fields[13].meterIDs.size(), 66u);
        EXPECT_EQ(c.fields[14].size, 68u);
        EXPECT_EQ(c.fields[15].size, 4u);
        EXPECT_EQ(c.fields[16].size, 528u);
    }
    EXPECT_NE(e.components[0].render, e.components[1].render);
    EXPECT_NE(e.components[1].render, e.components[2].render);
}

TEST(Description, meter_table_is_in_table_order_with_two_real_meters_and_64_custom)
{
    // The table is 264 little-endian bytes: 'mtrI' is stored as "Irtm".
    EXPECT_EQ(std::memcmp(chordwell::kMeterIDs, "IrtmOrtm", 8), 0);
    EXPECT_EQ(chordwell::kMeterIDs[18], AAX_FourCC("mtcR"));
    EXPECT_EQ(chordwell::kMeterIDs[23], AAX_FourCC("mtcQ"));
    EXPECT_EQ(chordwell::kMeterIDs[65], AAX_FourCC("mrtF"));

    InProcessPlugin plugin;
    const auto& meters = plugin.effect().meters;
    ASSERT_EQ(meters.size(), 66u);
    EXPECT_EQ(meters[0].name, "Input");
    EXPECT_EQ(meters[0].properties, (PropertyList{{200, 0}, {201, 0}}));
    EXPECT_EQ(meters[1].name, "Output");
    EXPECT_EQ(meters[1].properties, (PropertyList{{200, 1}, {201, 0}}));
    for (size_t i = 2; i < 66; ++i)
    {
        EXPECT_EQ(meters[i].id, chordwell::kMeterIDs[i]);
        EXPECT_EQ(meters[i].name, "Custom");
        EXPECT_EQ(meters[i].properties, (PropertyList{{200, 5}, {201, 0}, {202, 1}}));
    }
}
} // namespace
