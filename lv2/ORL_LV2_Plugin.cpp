#include "ORL_LV2_Plugin.h"

#include <lv2/atom/atom.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <vector>

using chordwell::lv2::LayoutInfo;

namespace
{
// The control ports as timed points at the block's start: the render path applies only the
// values that differ from what the engine last heard.
class PortPoints final : public ChordwellInstance::PointSource
{
  public:
    explicit PortPoints(const std::array<const float*, 8>& ports) : ports(ports) {}
    bool next(ChordwellInstance::Point& point) override
    {
        while (slot < 8 && ports[slot] == nullptr)
            ++slot;
        if (slot >= 8)
            return false;
        point = {slot, 0, static_cast<double>(*ports[slot])};
        ++slot;
        return true;
    }

  private:
    const std::array<const float*, 8>& ports;
    int32_t slot = 0;
};
} // namespace

ORL_LV2_Plugin::ORL_LV2_Plugin(const LayoutInfo& layout, double rate, const LV2_URID_Map* map)
    : layoutInfo(layout)
{
    // The bundle declares the three layouts only.
    instance.setLayout(ChordwellInstance::layoutOf(static_cast<int32_t>(layout.inputs),
                                                   static_cast<int32_t>(layout.outputs))
                           .value_or(ChordwellInstance::Layout::Stereo));
    instance.setSampleRate(rate);
    if (map != nullptr)
    {
        bankKey = map->map(map->handle, chordwell::lv2::kStateBankKey);
        bankType = map->map(map->handle, chordwell::lv2::kStateBankType);
        factoryPresetKey = map->map(map->handle, chordwell::lv2::kStateFactoryPresetKey);
        intType = map->map(map->handle, LV2_ATOM__Int);
        longType = map->map(map->handle, LV2_ATOM__Long);
    }
}

void ORL_LV2_Plugin::connectPort(uint32_t port, void* data)
{
    using namespace chordwell::lv2;
    if (port < 8)
        controls[port] = static_cast<const float*>(data);
    else if (port == kLatencyPort)
        latency = static_cast<float*>(data);
    else if (port >= kFirstAudioPort && port < kFirstAudioPort + layoutInfo.inputs)
        inputs[port - kFirstAudioPort] = static_cast<const float*>(data);
    else if (port >= kFirstAudioPort + layoutInfo.inputs &&
             port < kFirstAudioPort + layoutInfo.inputs + layoutInfo.outputs)
        outputs[port - kFirstAudioPort - layoutInfo.inputs] = static_cast<float*>(data);
}

void ORL_LV2_Plugin::activate()
{
    instance.reset();
}

void ORL_LV2_Plugin::run(uint32_t frames)
{
    if (latency != nullptr)
        *latency = 0.0f;
    // The engine reads its input before it writes a stretch of output, so the host may hand
    // the same buffer in and out.
    ChannelPair<float> in{const_cast<float*>(inputs[0]), const_cast<float*>(inputs[1])};
    ChannelPair<float> out{outputs[0], outputs[1]};
    const bool connected = in.channel0 != nullptr && out.channel0 != nullptr &&
                           (layoutInfo.inputs < 2 || in.channel1 != nullptr) &&
                           (layoutInfo.outputs < 2 || out.channel1 != nullptr);
    PortPoints points(controls);
    instance.render(in, out, connected ? static_cast<int32_t>(frames) : 0, points);
}

LV2_State_Status ORL_LV2_Plugin::save(LV2_State_Store_Function store, LV2_State_Handle handle)
{
    if (bankKey == 0 || store == nullptr)
        return LV2_STATE_ERR_NO_FEATURE;
    const std::vector<uint8_t> chunk = instance.saveBank();
    if (chunk.empty())
        return LV2_STATE_ERR_UNKNOWN;
    return store(handle, bankKey, chunk.data(), chunk.size(), bankType,
                 LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE);
}

LV2_State_Status ORL_LV2_Plugin::restore(LV2_State_Retrieve_Function retrieve,
                                         LV2_State_Handle handle)
{
    if (bankKey == 0 || retrieve == nullptr)
        return LV2_STATE_ERR_NO_FEATURE;
    size_t size = 0;
    uint32_t type = 0;
    uint32_t flags = 0;
    // A factory preset's place: checked before anything changes.
    int64_t place = -1;
    if (const void* value = retrieve(handle, factoryPresetKey, &size, &type, &flags))
    {
        if (type == intType && size == sizeof(int32_t))
        {
            int32_t v = 0;
            std::memcpy(&v, value, sizeof v);
            place = v;
        }
        else if (type == longType && size == sizeof(int64_t))
            std::memcpy(&place, value, sizeof place);
        else
            return LV2_STATE_ERR_BAD_TYPE;
        if (place < 0 || place >= ChordwellInstance::programCount())
            return LV2_STATE_ERR_UNKNOWN;
    }
    const void* value = retrieve(handle, bankKey, &size, &type, &flags);
    // A session saved before it had a bank, or a preset: the bank stays.
    if (value != nullptr)
    {
        if (type != bankType)
            return LV2_STATE_ERR_BAD_TYPE;
        // Checked whole on a scratch bank first: a damaged bank changes nothing.
        const auto decoded =
            ChordwellInstance::readSession({static_cast<const uint8_t*>(value), size});
        if (!decoded || decoded->values)
            return LV2_STATE_ERR_UNKNOWN;
        instance.restoreBank(*decoded);
    }
    if (place >= 0)
        instance.hostChoseFactoryPreset(static_cast<int32_t>(place));
    return LV2_STATE_SUCCESS;
}

// --- the C interface ---------------------------------------------------------------------------

namespace
{
// Every instance alive in the library, for the UI's check of the host's pointer.
std::mutex liveLock;
std::vector<const void*> live;

ORL_LV2_Plugin* self(LV2_Handle handle)
{
    return static_cast<ORL_LV2_Plugin*>(handle);
}

LV2_Handle instantiate(const LV2_Descriptor* descriptor, double rate, const char*,
                       const LV2_Feature* const* features)
{
    const LV2_URID_Map* map = nullptr;
    for (auto f = features; f != nullptr && *f != nullptr; ++f)
        if (std::strcmp((*f)->URI, LV2_URID__map) == 0)
            map = static_cast<const LV2_URID_Map*>((*f)->data);
    for (uint32_t i = 0; i < 3; ++i)
        if (descriptor == chordwellDescriptor(i))
        {
            try
            {
                auto plugin =
                    std::make_unique<ORL_LV2_Plugin>(chordwell::lv2::kLayouts[i], rate, map);
                const std::lock_guard lock(liveLock);
                live.push_back(plugin.get());
                return plugin.release();
            }
            catch (const std::bad_alloc&)
            {
                return nullptr;
            }
        }
    return nullptr;
}

void connectPort(LV2_Handle handle, uint32_t port, void* data)
{
    self(handle)->connectPort(port, data);
}

void activate(LV2_Handle handle)
{
    self(handle)->activate();
}

void run(LV2_Handle handle, uint32_t frames)
{
    self(handle)->run(frames);
}

void cleanup(LV2_Handle handle)
{
    {
        const std::lock_guard lock(liveLock);
        std::erase(live, static_cast<const void*>(handle));
    }
    delete self(handle);
}

LV2_State_Status saveState(LV2_Handle handle, LV2_State_Store_Function store,
                           LV2_State_Handle state, uint32_t, const LV2_Feature* const*)
{
    return self(handle)->save(store, state);
}

LV2_State_Status restoreState(LV2_Handle handle, LV2_State_Retrieve_Function retrieve,
                              LV2_State_Handle state, uint32_t, const LV2_Feature* const*)
{
    return self(handle)->restore(retrieve, state);
}

const void* extensionData(const char* uri)
{
    static const LV2_State_Interface state{saveState, restoreState};
    if (uri != nullptr && std::strcmp(uri, LV2_STATE__interface) == 0)
        return &state;
    return nullptr;
}

std::string uriOf(int i)
{
    return std::string(chordwell::lv2::kUriBase) + "#" + chordwell::lv2::kLayouts[i].suffix;
}

// The URIs live as long as the library: the descriptors point into them.
const std::string kUris[3] = {uriOf(0), uriOf(1), uriOf(2)};

const LV2_Descriptor kDescriptors[3] = {
    {kUris[0].c_str(), instantiate, connectPort, activate, run, nullptr, cleanup, extensionData},
    {kUris[1].c_str(), instantiate, connectPort, activate, run, nullptr, cleanup, extensionData},
    {kUris[2].c_str(), instantiate, connectPort, activate, run, nullptr, cleanup, extensionData},
};
} // namespace

bool isChordwellInstance(const void* handle)
{
    const std::lock_guard lock(liveLock);
    return handle != nullptr && std::find(live.begin(), live.end(), handle) != live.end();
}

const LV2_Descriptor* chordwellDescriptor(uint32_t index)
{
    return index < 3 ? &kDescriptors[index] : nullptr;
}
