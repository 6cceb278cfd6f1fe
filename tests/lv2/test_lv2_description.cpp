// What a host learns of the bundle through lilv: the three plug-ins, their ports as the
// parameter table has them, and the ten factory presets in each plug-in's preset list.
#include "LilvHost.h"
#include "Lv2Paths.h"

#include <FactoryPresets.h>
#include <ParameterTable.h>

#include <gtest/gtest.h>
#include <lv2/presets/presets.h>
#include <lv2/ui/ui.h>

#include <algorithm>
#include <string>

namespace
{
std::vector<std::string> scaleLabels(const LilvPlugin* plugin, uint32_t index)
{
    std::vector<std::string> labels;
    LilvScalePoints* points =
        lilv_port_get_scale_points(plugin, lilv_plugin_get_port_by_index(plugin, index));
    LILV_FOREACH(scale_points, i, points)
    {
        const LilvScalePoint* point = lilv_scale_points_get(points, i);
        labels.push_back(std::to_string(lilv_node_as_float(lilv_scale_point_get_value(point))) +
                         "=" + lilv_node_as_string(lilv_scale_point_get_label(point)));
    }
    lilv_scale_points_free(points);
    std::sort(labels.begin(), labels.end());
    return labels;
}

bool has(const std::vector<std::string>& labels, const std::string& label)
{
    return std::find(labels.begin(), labels.end(), label) != labels.end();
}
} // namespace

TEST(Lv2Description, EveryLayoutShowsTheEightParametersWithTheTablesNamesDefaultsAndTexts)
{
    LilvHost host(kBuiltBundles);
    LilvNode* toggled = lilv_new_uri(host.world(), LV2_CORE__toggled);
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
            EXPECT_EQ(lilv_port_has_property(plugin, port, toggled), slot == 7);
        }
        const auto output = scaleLabels(plugin, 0), transpose = scaleLabels(plugin, 4);
        EXPECT_TRUE(has(output, "0.500000=0.0 dB") && has(output, "0.000000=-oo dB"));
        EXPECT_TRUE(has(transpose, "0.000000=-24 st") && has(transpose, "0.500000=0 st") &&
                    has(transpose, "1.000000=24 st"));
        EXPECT_EQ(scaleLabels(plugin, 7),
                  (std::vector<std::string>{"0.000000=process", "1.000000=bypassed"}));
    }
    lilv_node_free(toggled);
}

TEST(Lv2Description, EachPluginListsTheTenFactoryPresetsWhichSetThePortsAsTheBankHasThem)
{
    LilvHost host(kBuiltBundles);
    LilvNode* presetClass = lilv_new_uri(host.world(), LV2_PRESETS__Preset);
    for (const char* layout : kLayoutSuffixes)
    {
        SCOPED_TRACE(layout);
        const LilvPlugin* plugin = host.plugin(chordwellUri(layout));
        ASSERT_NE(plugin, nullptr);
        LilvNodes* presets = lilv_plugin_get_related(plugin, presetClass);
        EXPECT_EQ(lilv_nodes_size(presets), 10u);
        lilv_nodes_free(presets);
        LilvRunner runner(host, plugin, 48000.0, 64);
        ASSERT_TRUE(runner.ok());
        for (int place : {3, 5, 9})
        {
            double values[8];
            char name[32] = "Init";
            getFactoryPreset(place, values, name);
            // The four Init places are told apart in a host's menu: 6 is "Init", 9 "Init 4".
            const std::string label = place == 9 ? std::string(name) + " 4" : std::string(name);
            ASSERT_TRUE(runner.applyPreset(host.presetByLabel(plugin, label))) << label;
            for (int slot = 0; slot < 8; ++slot)
                EXPECT_EQ(runner.control(kPortSymbols[slot]), static_cast<float>(values[slot]))
                    << name << " " << kPortSymbols[slot];
        }
    }
    lilv_node_free(presetClass);
}

TEST(Lv2Description, EachPluginIsAReleasedVersionWithLicenceAndMakerAndItsUiAsksForNoResize)
{
    LilvHost host(kBuiltBundles);
    LilvWorld* world = host.world();
    LilvNode* minor = lilv_new_uri(world, LV2_CORE__minorVersion);
    LilvNode* micro = lilv_new_uri(world, LV2_CORE__microVersion);
    LilvNode* licence = lilv_new_uri(world, "http://usefulinc.com/ns/doap#license");
    LilvNode* resize = lilv_new_uri(world, LV2_UI__resize);
    LilvNode* optional = lilv_new_uri(world, LV2_CORE__optionalFeature);
    LilvNode* required = lilv_new_uri(world, LV2_CORE__requiredFeature);
    for (const char* layout : kLayoutSuffixes)
    {
        SCOPED_TRACE(layout);
        const LilvPlugin* plugin = host.plugin(chordwellUri(layout));
        ASSERT_NE(plugin, nullptr);
        // Hosts take odd numbers, and a minor version of 0, for development builds.
        for (LilvNode* property : {minor, micro, licence})
        {
            LilvNodes* nodes = lilv_plugin_get_value(plugin, property);
            ASSERT_EQ(lilv_nodes_size(nodes), 1u) << lilv_node_as_uri(property);
            const LilvNode* value = lilv_nodes_get_first(nodes);
            if (property == licence)
                EXPECT_TRUE(lilv_node_is_uri(value));
            else
                EXPECT_TRUE(lilv_node_as_int(value) % 2 == 0 &&
                            (property == micro || lilv_node_as_int(value) > 0))
                    << lilv_node_as_int(value);
            lilv_nodes_free(nodes);
        }
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

        LilvUIs* uis = lilv_plugin_get_uis(plugin);
        ASSERT_EQ(lilv_uis_size(uis), 1u);
        const LilvNode* ui = lilv_ui_get_uri(lilv_uis_get(uis, lilv_uis_begin(uis)));
        EXPECT_FALSE(lilv_world_ask(world, ui, optional, resize));
        EXPECT_FALSE(lilv_world_ask(world, ui, required, resize));
        lilv_uis_free(uis);
    }
    for (LilvNode* node : {minor, micro, licence, resize, optional, required})
        lilv_node_free(node);
}
