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
#include <cmath>
#include <string>

namespace
{
std::vector<std::string> scaleLabels(const LilvPlugin* plugin, const LilvPort* port)
{
    std::vector<std::string> labels;
    LilvScalePoints* points = lilv_port_get_scale_points(plugin, port);
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
} // namespace

TEST(Lv2Description, EveryLayoutShowsTheEightParametersWithTheTablesNamesDefaultsAndTexts)
{
    useBuiltBundle();
    LilvHost host;
    const uint32_t audioPorts[3] = {2, 3, 4};
    for (int layout = 0; layout < 3; ++layout)
    {
        SCOPED_TRACE(kLayoutSuffixes[layout]);
        const LilvPlugin* plugin = host.plugin(chordwellUri(kLayoutSuffixes[layout]));
        ASSERT_NE(plugin, nullptr);
        ASSERT_EQ(lilv_plugin_get_num_ports(plugin), 9 + audioPorts[layout]);
        float min[16], max[16], def[16];
        lilv_plugin_get_port_ranges_float(plugin, min, max, def);
        LilvNode* toggled = lilv_new_uri(host.world(), LV2_CORE__toggled);
        for (int slot = 0; slot < 8; ++slot)
        {
            const LilvPort* port = lilv_plugin_get_port_by_index(plugin, slot);
            LilvNode* name = lilv_port_get_name(plugin, port);
            EXPECT_STREQ(lilv_node_as_string(name), getParameterName(slot));
            lilv_node_free(name);
            EXPECT_EQ(def[slot], static_cast<float>(getParameterDefault(slot)));
            EXPECT_EQ(min[slot], 0.0f);
            EXPECT_EQ(max[slot], 1.0f);
            EXPECT_EQ(lilv_port_has_property(plugin, port, toggled), slot == 7);
        }
        lilv_node_free(toggled);
        const auto output = scaleLabels(plugin, lilv_plugin_get_port_by_index(plugin, 0));
        EXPECT_NE(std::find(output.begin(), output.end(), "0.500000=0.0 dB"), output.end());
        EXPECT_NE(std::find(output.begin(), output.end(), "0.000000=-oo dB"), output.end());
        const auto transpose = scaleLabels(plugin, lilv_plugin_get_port_by_index(plugin, 4));
        for (const char* text : {"-24 st", "-12 st", "0 st", "12 st", "24 st"})
            EXPECT_NE(std::find_if(transpose.begin(), transpose.end(),
                                   [&](const std::string& s)
                                   { return s.ends_with(std::string("=") + text); }),
                      transpose.end())
                << text;
        // Each point plays the semitone its label names (the engine rounds 48 x value).
        for (const std::string& point : transpose)
        {
            const double value = std::stod(point.substr(0, point.find('=')));
            const int named = std::stoi(point.substr(point.find('=') + 1));
            EXPECT_EQ(static_cast<int>(std::trunc(value * 48.0 + 0.5)) - 24, named) << point;
        }
        const auto bypass = scaleLabels(plugin, lilv_plugin_get_port_by_index(plugin, 7));
        EXPECT_EQ(bypass, (std::vector<std::string>{"0.000000=process", "1.000000=bypassed"}));
    }
}

TEST(Lv2Description, EachPluginListsTheTenFactoryPresetsWhichSetThePortsAsTheBankHasThem)
{
    useBuiltBundle();
    LilvHost host;
    for (const char* layout : kLayoutSuffixes)
    {
        SCOPED_TRACE(layout);
        const LilvPlugin* plugin = host.plugin(chordwellUri(layout));
        ASSERT_NE(plugin, nullptr);
        LilvNode* presetClass = lilv_new_uri(host.world(), LV2_PRESETS__Preset);
        LilvNodes* presets = lilv_plugin_get_related(plugin, presetClass);
        EXPECT_EQ(lilv_nodes_size(presets), 10u);
        lilv_nodes_free(presets);
        lilv_node_free(presetClass);
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
            const char* symbols[8] = {"output",    "mix",  "decay",  "damp",
                                      "transpose", "tune", "detune", "bypass"};
            for (int slot = 0; slot < 8; ++slot)
                EXPECT_EQ(runner.control(symbols[slot]), static_cast<float>(values[slot]))
                    << name << " " << symbols[slot];
        }
    }
}

TEST(Lv2Description, EachPluginIsAReleasedVersionWithLicenceAndMakerAndItsUiAsksForNoResize)
{
    useBuiltBundle();
    LilvHost host;
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
        // Even numbers (odd ones and minor 0 mark development builds) that grow with ours.
        LilvNodes* minors = lilv_plugin_get_value(plugin, minor);
        LilvNodes* micros = lilv_plugin_get_value(plugin, micro);
        ASSERT_EQ(lilv_nodes_size(minors), 1u);
        ASSERT_EQ(lilv_nodes_size(micros), 1u);
        EXPECT_EQ(lilv_node_as_int(lilv_nodes_get_first(minors)),
                  2 * (100 * ORL_VERSION_MAJOR + ORL_VERSION_MINOR));
        EXPECT_EQ(lilv_node_as_int(lilv_nodes_get_first(micros)), 2 * ORL_VERSION_PATCH);
        lilv_nodes_free(minors);
        lilv_nodes_free(micros);

        LilvNodes* licences = lilv_plugin_get_value(plugin, licence);
        ASSERT_EQ(lilv_nodes_size(licences), 1u);
        EXPECT_TRUE(lilv_node_is_uri(lilv_nodes_get_first(licences)));
        lilv_nodes_free(licences);
        LilvNode* maker = lilv_plugin_get_author_name(plugin);
        ASSERT_NE(maker, nullptr);
        EXPECT_STREQ(lilv_node_as_string(maker), "Orlund");
        lilv_node_free(maker);
        LilvNode* homepage = lilv_plugin_get_author_homepage(plugin);
        ASSERT_NE(homepage, nullptr);
        lilv_node_free(homepage);
        LilvNode* project = lilv_plugin_get_project(plugin);
        ASSERT_NE(project, nullptr);
        lilv_node_free(project);

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
