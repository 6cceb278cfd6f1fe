#pragma once

#include <lilv/lilv.h>
#include <lv2/state/state.h>
#include <lv2/urid/urid.h>

#include <map>
#include <string>
#include <vector>

// A small LV2 host on lilv for the tests: finds the plug-ins on LV2_PATH, maps URIDs, and runs
// one instance with its ports on buffers of its own. Test thread only.
class LilvHost
{
  public:
    // Plug-ins from lv2Path alone when given (LV2_PATH is set to it), else from LV2_PATH.
    explicit LilvHost(const char* lv2Path = nullptr);
    ~LilvHost();
    LilvHost(const LilvHost&) = delete;
    LilvHost& operator=(const LilvHost&) = delete;

    // Null when lilv does not know the URI.
    const LilvPlugin* plugin(const std::string& uri);
    // The preset of plugin with this label, or null.
    const LilvNode* presetByLabel(const LilvPlugin* plugin, const std::string& label);
    // A URI node that lives as long as the host.
    const LilvNode* node(const char* uri) { return keep(lilv_new_uri(lilvWorld, uri)); }
    LilvWorld* world() const { return lilvWorld; }
    LV2_URID_Map* map() { return &urid; }
    LV2_URID mapped(const char* uri) { return mapUri(this, uri); }
    const LV2_Feature* const* features() const { return featureList; }

  private:
    const LilvNode* keep(LilvNode* node) { return nodes.emplace_back(node); }
    static LV2_URID mapUri(LV2_URID_Map_Handle handle, const char* uri);
    static const char* unmapUri(LV2_URID_Unmap_Handle handle, LV2_URID urid);

    LilvWorld* lilvWorld;
    std::vector<std::string> uris;
    LV2_URID_Map urid{this, mapUri};
    LV2_URID_Unmap unurid{this, unmapUri};
    LV2_Feature mapFeature{LV2_URID__map, &urid};
    LV2_Feature unmapFeature{LV2_URID__unmap, &unurid};
    const LV2_Feature* featureList[3] = {&mapFeature, &unmapFeature, nullptr};
    std::vector<LilvNode*> nodes;
};

// One running instance: control ports on floats, audio ports on buffers of maxFrames.
class LilvRunner
{
  public:
    LilvRunner(LilvHost& host, const LilvPlugin* plugin, double rate, uint32_t maxFrames);
    ~LilvRunner();
    LilvRunner(const LilvRunner&) = delete;
    LilvRunner& operator=(const LilvRunner&) = delete;

    bool ok() const { return instance != nullptr; }
    // false for an unknown symbol.
    bool setControl(const std::string& symbol, float value);
    float control(const std::string& symbol) const;
    // Applies a preset (its port values and any state) as a host does.
    bool applyPreset(const LilvNode* preset);
    // The audio ports' buffers, channel by channel, maxFrames long (resize none of them).
    std::vector<std::vector<float>> inputs, outputs;
    // Fills every input with noise in [-level, level) from the seed, which moves on.
    void noise(uint32_t& seed, float level);
    // No NaN or infinity in any output buffer.
    bool finite() const;
    void run(uint32_t frames) { lilv_instance_run(instance, frames); }
    LilvInstance* lilvInstance() const { return instance; }
    // Disconnects (null) or reconnects every audio port.
    void connectAudio(bool connected);

  private:
    LilvHost& host;
    LilvInstance* instance = nullptr;
    std::map<std::string, uint32_t> symbols;
    std::vector<float> controls;
    std::vector<uint32_t> inputPorts, outputPorts;
};

// One property of the plug-in's state, as a host keeps it between save and restore.
struct StateProperty
{
    LV2_URID key = 0;
    std::vector<uint8_t> value;
    LV2_URID type = 0;
    bool present = false;
};
// Through the instance's state interface: what it saves (its last property), and its verdict
// on a property to restore (none when not present).
StateProperty saveState(LilvRunner& runner);
LV2_State_Status restoreState(LilvRunner& runner, const StateProperty& property);
