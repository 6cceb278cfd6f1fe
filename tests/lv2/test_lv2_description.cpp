// What a host learns of the bundle through lilv: the three plug-ins, their ports as the
// parameter table has them, the ten factory presets in each plug-in's preset list, and what
// hosts read to list and trust a plug-in.
#include "LilvHost.h"
#include "Lv2Paths.h"

#include <ParameterTable.h>

#include <gtest/gtest.h>
#include <lv2/options/options.h>
#include <lv2/presets/presets.h>
#include <lv2/ui/ui.h>

#include <string>
#include <tuple>

namespace
{
// The port's scale point label at value; "" when it has none there.
std::string scaleLabel(const LilvPlugin* plugin, uint32_t index, float value)
{
    std::string label;
    LilvScalePoints* points =
        lilv_port_get_scale_points(plugin, lilv_plugin_get_port_by_index(plugin, index));
    LILV_FOREACH(scale_points, i, points)
    {
        const LilvScalePoint* point = lilv_scale_points_get(points, i);
        if (lilv_node_as_float(lilv_scale_point_get_value(point)) == value)
            label = lilv_node_as_string(lilv_scale_point_get_label(point));
    }
    lilv_scale_points_free(points);
    return label;
}

// The plug-in's one value of property as text; "" when it has none or several.
std::string valueOf(const LilvPlugin* plugin, const LilvNode* property)
{
    LilvNodes* nodes = lilv_plugin_get_value(plugin, property);
    const std::string value =
        lilv_nodes_size(nodes) == 1 ? lilv_node_as_string(lilv_nodes_get_first(nodes)) : "";
    lilv_nodes_free(nodes);
    return value;
}
} // namespace

TEST(Lv2Description, EachPluginShowsTheTablesPortsTheTenFactoryPresetsAReleasedVersionAndItsUi)
{
    LilvHost host(kBuiltBundles);
    const std::tuple<uint32_t, float, const char*> points[] = {
        {0, 0.5f, "0.0 dB"}, {0, 0.0f, "-oo dB"},  {4, 0.0f, "-24 st"},  {4, 0.5f, "0 st"},
        {4, 1.0f, "24 st"},  {7, 0.0f, "process"}, {7, 1.0f, "bypassed"}};
    for (uint32_t layout = 0; layout < 3; ++layout)
    {
        SCOPED_TRACE(kLayoutSuffixes[layout]);
        const LilvPlugin* plugin = host.plugin(chordwellUri(kLayoutSuffixes[layout]));
        ASSERT_NE(plugin, nullptr);
        ASSERT_EQ(lilv_plugin_get_num_ports(plugin), 11 + layout) << "8 + latency + audio";
        float min[16], max[16], def[16];
        lilv_plugin_get_port_ranges_float(plugin, min, max, def);
        for (uint32_t slot = 0; slot < 8; ++slot)
        {
            const LilvPort* port = lilv_plugin_get_port_by_index(plugin, slot);
            LilvNode* name = lilv_port_get_name(plugin, port);
            EXPECT_STREQ(lilv_node_as_string(name), getParameterName(slot));
            lilv_node_free(name);
            EXPECT_EQ(def[slot], static_cast<float>(getParameterDefault(slot)));
            EXPECT_TRUE(min[slot] == 0.0f && max[slot] == 1.0f);
            EXPECT_EQ(lilv_port_has_property(plugin, port, host.node(LV2_CORE__toggled)),
                      slot == 7);
        }
        for (const auto& [port, value, label] : points)
            EXPECT_EQ(scaleLabel(plugin, port, value), label) << port << " " << value;

        // The ten factory presets (their sound: the LV2 suite and the state tests), the four
        // Init places told apart in a host's menu: 6 is "Init", 9 "Init 4".
        LilvNodes* presets = lilv_plugin_get_related(plugin, host.node(LV2_PRESETS__Preset));
        EXPECT_EQ(lilv_nodes_size(presets), 10u);
        lilv_nodes_free(presets);
        for (const char* label : {"Init", "Init 2", "Init 3", "Init 4"})
            EXPECT_NE(host.presetByLabel(plugin, label), nullptr) << label;

        // Hosts take odd numbers, and a minor version of 0, for development builds.
        const std::string minor = valueOf(plugin, host.node(LV2_CORE__minorVersion));
        const std::string micro = valueOf(plugin, host.node(LV2_CORE__microVersion));
        ASSERT_FALSE(minor.empty() || micro.empty());
        EXPECT_TRUE(std::stoi(minor) > 0 && std::stoi(minor) % 2 == 0) << minor;
        EXPECT_EQ(std::stoi(micro) % 2, 0) << micro;
        const LilvNode* licence = host.node("http://usefulinc.com/ns/doap#license");
        EXPECT_EQ(valueOf(plugin, licence).rfind("http", 0), 0u);
        LilvNode* maker = lilv_plugin_get_author_name(plugin);
        ASSERT_NE(maker, nullptr);
        EXPECT_STREQ(lilv_node_as_string(maker), "Orlund");
        lilv_node_free(maker);
        for (LilvNode* node :
             {lilv_plugin_get_author_homepage(plugin), lilv_plugin_get_project(plugin)})
        {
            EXPECT_NE(node, nullptr);
            lilv_node_free(node);
        }
        // One UI, whose size is its own: no deprecated resize, asked for or offered. It takes
        // the host's scale, which a host sends only to a UI that says so.
        LilvUIs* uis = lilv_plugin_get_uis(plugin);
        ASSERT_EQ(lilv_uis_size(uis), 1u);
        const LilvNode* ui = lilv_ui_get_uri(lilv_uis_get(uis, lilv_uis_begin(uis)));
        for (const char* feature : {LV2_CORE__optionalFeature, LV2_CORE__requiredFeature})
            EXPECT_FALSE(
                lilv_world_ask(host.world(), ui, host.node(feature), host.node(LV2_UI__resize)));
        EXPECT_TRUE(lilv_world_ask(host.world(), ui, host.node(LV2_OPTIONS__supportedOption),
                                   host.node(LV2_UI__scaleFactor)));
        EXPECT_TRUE(lilv_world_ask(host.world(), ui, host.node(LV2_CORE__extensionData),
                                   host.node(LV2_OPTIONS__interface)));
        lilv_uis_free(uis);
    }
}
