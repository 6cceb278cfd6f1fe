#include "DescribeCommand.h"

#include "CommandExit.h"
#include "aax_host/EffectInstance.h"
#include "aax_host/PluginLibrary.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <iostream>

namespace
{
using nlohmann::ordered_json;

std::string hex(uint64_t value, int digits)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

bool isFourCCProperty(int32_t id)
{
    return id == AAX_eProperty_ManufacturerID || id == AAX_eProperty_ProductID ||
           id == AAX_eProperty_PlugInID_Native || id == AAX_eProperty_PlugInID_AudioSuite;
}

ordered_json properties(const PropertyList& list)
{
    ordered_json out = ordered_json::array();
    for (const auto& [id, value] : list)
    {
        ordered_json entry{{"id", id}, {"value", value}};
        if (isFourCCProperty(id))
            entry["text"] = fourCCText(static_cast<AAX_CTypeID>(value));
        out.push_back(entry);
    }
    return out;
}

const char* procedureName(int32_t selector)
{
    switch (selector)
    {
    case AAX_eProcPtrID_Create_EffectParameters:
        return "parameters object";
    case AAX_eProcPtrID_Create_EffectGUI:
        return "GUI object";
    case AAX_eProcPtrID_Create_EffectDirectData:
        return "direct-data object";
    default:
        return "unknown";
    }
}

ordered_json describe(const PluginLibrary& library)
{
    const PluginDescription& plugin = library.description();
    const EffectDescription& effect = library.effect();
    ordered_json out;
    out["effect"] = {{"name", effect.names.empty() ? "" : effect.names.front()},
                     {"id", effect.id},
                     {"category", effect.categories.empty() ? 0 : effect.categories.front()}};
    out["manufacturer"] = plugin.manufacturer;
    out["packageNames"] = plugin.packageNames;
    out["packageVersion"] = {{"number", plugin.packageVersion},
                             {"text", hex(plugin.packageVersion, 8)}};
    out["sdkVersion"] = hex(library.sdkVersion(), 16);
    ordered_json resources = ordered_json::array();
    for (const auto& [type, file] : effect.resources)
        resources.push_back({{"type", type}, {"file", file}});
    out["pageTables"] = resources;

    ordered_json components = ordered_json::array();
    for (const ComponentDescription& component : effect.components)
        components.push_back({{"properties", properties(component.properties)},
                              {"instanceInitCallback", component.instanceInit != nullptr},
                              {"backgroundCallback", component.background != nullptr},
                              {"fieldCount", component.fields.size()}});
    out["components"] = components;

    ordered_json fields = ordered_json::array();
    if (!effect.components.empty())
        for (const FieldDeclaration& field : effect.components.front().fields)
        {
            ordered_json entry{{"index", field.index}, {"kind", fieldKindName(field.kind)}};
            if (field.kind == FieldKind::DataInPort)
                entry.update({{"size", field.size}, {"portType", field.option}});
            if (field.kind == FieldKind::PrivateData)
                entry.update({{"size", field.size}, {"options", field.option}});
            if (field.kind == FieldKind::Meters)
                entry["meterCount"] = field.meterIDs.size();
            fields.push_back(entry);
        }
    out["fields"] = fields;

    ordered_json meters = ordered_json::array();
    for (const MeterDescription& meter : effect.meters)
        meters.push_back({{"id", fourCCText(meter.id)},
                          {"number", meter.id},
                          {"name", meter.name},
                          {"properties", properties(meter.properties)}});
    out["meters"] = meters;

    ordered_json procedures = ordered_json::array();
    for (const auto& [selector, proc] : effect.procs)
        procedures.push_back({{"selector", selector}, {"creates", procedureName(selector)}});
    out["procedures"] = procedures;

    EffectInstance instance(effect, 0, 48000.0f);
    ordered_json parameters = ordered_json::array();
    for (const EffectInstance::HostParameter& p : instance.parameters())
    {
        AAX_CString current;
        instance.parametersObject().GetParameterValueString(p.id.c_str(), &current, 32);
        AAX_CString text;
        const AAX_Result result = instance.parametersObject().GetParameterStringFromValue(
            p.id.c_str(), p.defaultValue, &text, 32);
        ordered_json entry{
            {"id", p.id},
            {"name", p.name},
            {"default", p.defaultValue},
            {"type", p.type == AAX_eParameterType_Discrete ? "discrete" : "continuous"},
            {"steps", p.steps},
            {"automatable", p.automatable},
            {"valueText", current.str()}};
        if (result == AAX_SUCCESS)
            entry["defaultText"] = text.str();
        else
            entry["defaultText"] = nullptr;
        parameters.push_back(entry);
    }
    out["parameters"] = parameters;
    return out;
}

void printProperties(const ordered_json& list)
{
    for (const auto& p : list)
    {
        std::printf("      %3d = %d", p["id"].get<int>(), p["value"].get<int>());
        if (p.contains("text"))
            std::printf(" '%s'", p["text"].get<std::string>().c_str());
        std::printf("\n");
    }
}

void printText(const ordered_json& d)
{
    std::printf("effect:          %s (%s)\n", d["effect"]["name"].get<std::string>().c_str(),
                d["effect"]["id"].get<std::string>().c_str());
    std::printf("category:        %u\n", d["effect"]["category"].get<unsigned>());
    std::printf("manufacturer:    %s\n", d["manufacturer"].get<std::string>().c_str());
    for (const auto& name : d["packageNames"])
        std::printf("package name:    \"%s\"\n", name.get<std::string>().c_str());
    std::printf("package version: %s (%u)\n",
                d["packageVersion"]["text"].get<std::string>().c_str(),
                d["packageVersion"]["number"].get<unsigned>());
    std::printf("SDK version:     %s\n", d["sdkVersion"].get<std::string>().c_str());
    for (const auto& r : d["pageTables"])
        std::printf("page tables:     %s (resource type %d)\n",
                    r["file"].get<std::string>().c_str(), r["type"].get<int>());
    int n = 1;
    for (const auto& c : d["components"])
    {
        std::printf("component %d:%s\n", n++,
                    c["instanceInitCallback"].get<bool>() ? " (instance-init callback)" : "");
        printProperties(c["properties"]);
    }
    std::printf("fields:\n");
    for (const auto& f : d["fields"])
    {
        std::printf("  %2d %s", f["index"].get<int>(), f["kind"].get<std::string>().c_str());
        if (f.contains("size"))
            std::printf(", %u bytes", f["size"].get<unsigned>());
        if (f.contains("portType"))
            std::printf(", port type %d", f["portType"].get<int>());
        if (f.contains("options"))
            std::printf(", options %d", f["options"].get<int>());
        if (f.contains("meterCount"))
            std::printf(", %zu meters", f["meterCount"].get<size_t>());
        std::printf("\n");
    }
    std::printf("meters:\n");
    for (const auto& m : d["meters"])
    {
        std::printf("  '%s' %10u %-7s", m["id"].get<std::string>().c_str(),
                    m["number"].get<unsigned>(), m["name"].get<std::string>().c_str());
        for (const auto& p : m["properties"])
            std::printf(" %d=%d", p["id"].get<int>(), p["value"].get<int>());
        std::printf("\n");
    }
    std::printf("procedures:\n");
    for (const auto& p : d["procedures"])
        std::printf("  selector %d: %s\n", p["selector"].get<int>(),
                    p["creates"].get<std::string>().c_str());
    std::printf("host parameters:\n");
    for (const auto& p : d["parameters"])
        std::printf("  %-16s \"%s\" default %.4g (%s), %s, %d steps, value text \"%s\"\n",
                    p["id"].get<std::string>().c_str(), p["name"].get<std::string>().c_str(),
                    p["default"].get<double>(),
                    p["defaultText"].is_null() ? "no text"
                                               : p["defaultText"].get<std::string>().c_str(),
                    p["type"].get<std::string>().c_str(), p["steps"].get<int>(),
                    p["valueText"].get<std::string>().c_str());
}
} // namespace

void addDescribeOptions(CLI::App& command, DescribeOptions& options)
{
    command.add_flag("--json", options.json, "print one JSON object");
    command.add_option("--plugin", options.plugin, pluginOptionHelp());
}

int runDescribe(const DescribeOptions& options)
{
    try
    {
        PluginLibrary library(pluginPath(options.plugin));
        const ordered_json description = describe(library);
        if (options.json)
            std::cout << description.dump(2) << "\n";
        else
            printText(description);
        return 0;
    }
    catch (const HostError& e)
    {
        return fail("describe", e.what());
    }
}
