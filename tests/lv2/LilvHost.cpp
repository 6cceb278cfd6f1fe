#include "LilvHost.h"

#include <lv2/presets/presets.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

LilvHost::LilvHost(const char* lv2Path)
{
    if (lv2Path != nullptr)
        setenv("LV2_PATH", lv2Path, 1);
    lilvWorld = lilv_world_new();
    lilv_world_load_all(lilvWorld);
}

LilvHost::~LilvHost()
{
    for (LilvNode* node : nodes)
        lilv_node_free(node);
    lilv_world_free(lilvWorld);
}

LV2_URID LilvHost::mapUri(LV2_URID_Map_Handle handle, const char* uri)
{
    auto& uris = static_cast<LilvHost*>(handle)->uris;
    if (std::ranges::find(uris, uri) == uris.end())
        uris.emplace_back(uri);
    return static_cast<LV2_URID>(std::ranges::find(uris, uri) - uris.begin() + 1);
}

const char* LilvHost::unmapUri(LV2_URID_Unmap_Handle handle, LV2_URID urid)
{
    auto& uris = static_cast<LilvHost*>(handle)->uris;
    return urid >= 1 && urid <= uris.size() ? uris[urid - 1].c_str() : nullptr;
}

const LilvPlugin* LilvHost::plugin(const std::string& uri)
{
    return lilv_plugins_get_by_uri(lilv_world_get_all_plugins(lilvWorld), node(uri.c_str()));
}

const LilvNode* LilvHost::presetByLabel(const LilvPlugin* plugin, const std::string& label)
{
    LilvNodes* related = lilv_plugin_get_related(plugin, node(LV2_PRESETS__Preset));
    const LilvNode* result = nullptr;
    LILV_FOREACH(nodes, i, related)
    {
        const LilvNode* preset = lilv_nodes_get(related, i);
        lilv_world_load_resource(lilvWorld, preset);
        LilvNode* name = lilv_world_get(lilvWorld, preset, node(LILV_NS_RDFS "label"), nullptr);
        if (result == nullptr && name != nullptr && label == lilv_node_as_string(name))
            result = keep(lilv_node_duplicate(preset));
        lilv_node_free(name);
    }
    lilv_nodes_free(related);
    return result;
}

LilvRunner::LilvRunner(LilvHost& host, const LilvPlugin* plugin, double rate, uint32_t maxFrames)
    : host(host)
{
    if (plugin == nullptr)
        return;
    const uint32_t count = lilv_plugin_get_num_ports(plugin);
    controls.assign(count, 0.0f);
    std::vector<float> defaults(count, 0.0f);
    lilv_plugin_get_port_ranges_float(plugin, nullptr, nullptr, defaults.data());
    const LilvNode* audio = host.node(LILV_URI_AUDIO_PORT);
    const LilvNode* inputClass = host.node(LILV_URI_INPUT_PORT);
    instance = lilv_plugin_instantiate(plugin, rate, host.features());
    for (uint32_t p = 0; p < count; ++p)
    {
        const LilvPort* port = lilv_plugin_get_port_by_index(plugin, p);
        symbols[lilv_node_as_string(lilv_port_get_symbol(plugin, port))] = p;
        if (lilv_port_is_a(plugin, port, audio))
        {
            const bool in = lilv_port_is_a(plugin, port, inputClass);
            (in ? inputPorts : outputPorts).push_back(p);
            (in ? inputs : outputs).emplace_back(maxFrames, 0.0f);
        }
        else
            controls[p] = std::isnan(defaults[p]) ? 0.0f : defaults[p];
    }
    if (instance == nullptr)
        return;
    for (uint32_t p = 0; p < count; ++p)
        lilv_instance_connect_port(instance, p, &controls[p]);
    connectAudio(true);
    lilv_instance_activate(instance);
}

LilvRunner::~LilvRunner()
{
    if (instance != nullptr)
    {
        lilv_instance_deactivate(instance);
        lilv_instance_free(instance);
    }
}

void LilvRunner::connectAudio(bool connected)
{
    for (size_t c = 0; c < inputPorts.size(); ++c)
        lilv_instance_connect_port(instance, inputPorts[c], connected ? inputs[c].data() : nullptr);
    for (size_t c = 0; c < outputPorts.size(); ++c)
        lilv_instance_connect_port(instance, outputPorts[c],
                                   connected ? outputs[c].data() : nullptr);
}

void LilvRunner::noise(uint32_t& seed, float level)
{
    for (auto& channel : inputs)
        for (float& sample : channel)
        {
            seed = seed * 1664525u + 1013904223u;
            sample = level * (static_cast<float>(seed >> 8) / 8388608.0f - 1.0f);
        }
}

bool LilvRunner::finite() const
{
    const auto finiteSample = [](float sample) { return std::isfinite(sample); };
    return std::ranges::all_of(outputs, [&](const auto& channel)
                               { return std::ranges::all_of(channel, finiteSample); });
}

bool LilvRunner::setControl(const std::string& symbol, float value)
{
    const auto found = symbols.find(symbol);
    if (found == symbols.end())
        return false;
    controls[found->second] = value;
    return true;
}

float LilvRunner::control(const std::string& symbol) const
{
    const auto found = symbols.find(symbol);
    return found == symbols.end() ? 0.0f : controls[found->second];
}

bool LilvRunner::applyPreset(const LilvNode* preset)
{
    LilvState* state =
        preset != nullptr ? lilv_state_new_from_world(host.world(), host.map(), preset) : nullptr;
    if (state == nullptr)
        return false;
    const LilvSetPortValueFunc set =
        [](const char* symbol, void* self, const void* value, uint32_t size, uint32_t)
    {
        if (size == sizeof(float))
            static_cast<LilvRunner*>(self)->setControl(symbol, *static_cast<const float*>(value));
    };
    lilv_state_restore(state, instance, set, this, 0, host.features());
    lilv_state_free(state);
    return true;
}

static const LV2_State_Interface* stateOf(LilvRunner& runner)
{
    return static_cast<const LV2_State_Interface*>(
        lilv_instance_get_extension_data(runner.lilvInstance(), LV2_STATE__interface));
}

StateProperty saveState(LilvRunner& runner)
{
    StateProperty p;
    const LV2_State_Store_Function store = [](LV2_State_Handle handle, uint32_t key,
                                              const void* value, size_t size, uint32_t type,
                                              uint32_t)
    {
        const auto* bytes = static_cast<const uint8_t*>(value);
        *static_cast<StateProperty*>(handle) = {key, {bytes, bytes + size}, type, true};
        return LV2_STATE_SUCCESS;
    };
    if (stateOf(runner) == nullptr ||
        stateOf(runner)->save(lilv_instance_get_handle(runner.lilvInstance()), store, &p, 0,
                              nullptr) != LV2_STATE_SUCCESS)
        return {};
    return p;
}

LV2_State_Status restoreState(LilvRunner& runner, const StateProperty& property)
{
    const LV2_State_Retrieve_Function retrieve = [](LV2_State_Handle handle, uint32_t key,
                                                    size_t* size, uint32_t* type,
                                                    uint32_t* flags) -> const void*
    {
        const auto* p = static_cast<const StateProperty*>(handle);
        if (!p->present || key != p->key)
            return nullptr;
        *size = p->value.size();
        *type = p->type;
        *flags = LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE;
        return p->value.data();
    };
    if (stateOf(runner) == nullptr)
        return LV2_STATE_ERR_UNKNOWN;
    return stateOf(runner)->restore(lilv_instance_get_handle(runner.lilvInstance()), retrieve,
                                    const_cast<StateProperty*>(&property), 0, nullptr);
}
