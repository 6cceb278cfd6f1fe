#pragma once

#include "PluginDescription.h"
#include "WakeTimer.h"

#include <AAX_IEffectDirectData.h>
#include <AAX_IEffectGUI.h>
#include <AAX_IEffectParameters.h>
#include <AAX_IHostInterfaces.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// One instance of an effect as the host builds it: the parameters object and its host
// parameters, one render instance of the chosen component with its context, ports, meters
// and private data, the direct-data object and its timer, and optionally the GUI object.
//
// Parameter changes follow the host's delivery rules: touch, set and release take effect on
// the host's parameter at once; every set queues one update (remembering the touch state)
// unless it is the plug-in's re-send during the delivery of that same parameter; queued
// updates reach the plug-in in order from deliverUpdates(), never inside a plug-in call.
//
// Threads: everything on the main thread except render() (audio thread) and the timer
// thread the instance runs itself. The host orders private-data access of the timer
// against render() with its own lock; the plug-in's render callback takes none.
class EffectInstance final : private AAX_IController, private AAX_IAutomationDelegate
{
  public:
    struct HostParameter
    {
        std::string id;
        std::string name;
        double defaultValue = 0.0;
        double value = 0.0;
        int32_t type = 0;
        int32_t steps = 0;
        bool automatable = false;
        bool touched = false;
    };

    // A call the plug-in made on the host, for those who watch the traffic.
    struct Call
    {
        std::string what; // "touch", "set", "release", "update", "echo-set"
        std::string id;
        double value = 0.0;
    };

    // Throws HostError when an object cannot be made or initialised.
    EffectInstance(const EffectDescription& effect, size_t component, float sampleRate);
    ~EffectInstance();
    EffectInstance(const EffectInstance&) = delete;
    EffectInstance& operator=(const EffectInstance&) = delete;

    // Main thread.
    const std::vector<HostParameter>& parameters() const { return hostParameters; }
    // Main thread. Index of a host parameter by identifier, or -1.
    int parameterIndex(const std::string& id) const;
    // Main thread. Host automation: an untouched change of the host's parameter.
    bool automate(const std::string& id, double value);
    // Main thread. The user's own edit in the host (a fader in its mixer): touch, set and
    // release, so that the plug-in treats it as a knob turn.
    bool edit(const std::string& id, double value);
    // Main thread. Bytes for a data input port, as the host's own packet: they reach the port
    // before the next block, whatever the plug-in would post there (what a faulty host may
    // send). false for a field that is no data port or a size that is not the port's.
    bool writePort(int32_t port, const void* data, uint32_t size)
    {
        return PostPacket(port, data, size) == AAX_SUCCESS;
    }
    // Main thread. The ids of the chunks the plug-in declares, in its order.
    std::vector<AAX_CTypeID> chunkIDs() const;
    // Main thread. Delivers every queued update (and those they cause) to the plug-in.
    void deliverUpdates();
    // Main thread. Called each time an update is queued, often from inside a plug-in call, so
    // it may only arrange a later deliverUpdates() (a host that waits instead of polling).
    void onUpdateQueued(std::function<void()> queued) { updateQueued = std::move(queued); }
    // Main thread. The calls the plug-in made on the host's parameters, in order.
    const std::vector<Call>& calls() const { return callLog; }
    void clearCalls() { callLog.clear(); }

    // Main thread. Restores a chunk the way a host restores a project, then delivers.
    AAX_Result setChunk(AAX_CTypeID id, const std::vector<uint8_t>& data);
    // Main thread.
    AAX_Result getChunk(AAX_CTypeID id, std::vector<uint8_t>& data);

    // Audio thread. One block; in/out hold the component's channel pointers.
    void render(const float* const* in, float* const* out, int32_t frames);
    // Main thread, before rendering. Called on the audio thread right before and right after
    // the plug-in's render callback, around nothing of the host's own: for a validator that
    // watches what the callback itself does. Null for none.
    using CallbackWatch = void (*)(bool entering);
    void watchRenderCallback(CallbackWatch watch) { callbackWatch = watch; }
    // Any thread. Meter value by index in the component's meter table.
    float meter(size_t index) const;
    // Any thread. Sample rate handed to the render callback.
    void setSampleRate(float rate) { hostRate.store(rate); }

    // Main thread. Starts and stops the timer thread that wakes the direct-data object.
    void startTimer(std::chrono::milliseconds period);
    void stopTimer();
    // Timer (or any non-audio) thread. One wakeup of the direct-data object.
    AAX_Result wakeDirectData();

    // Main thread. Creates the GUI object (selector 1); false when the plug-in has none.
    bool openGUI();
    AAX_IEffectGUI* gui() const { return guiObject; }
    // Main thread. The latency the plug-in reported last, and how often it reported one.
    int32_t reportedLatency() const { return latency; }
    int32_t latencyReportCount() const { return latencyReports; }

    AAX_IEffectParameters& parametersObject() const { return *parametersObj; }
    const ComponentDescription& component() const { return *componentDescription; }
    // Private-data bytes of a field, for inspection; null for other fields. Main thread.
    const uint8_t* privateData(int32_t field) const;

  private:
    struct Update
    {
        std::string id;
        double value;
        bool touched;
    };
    struct Field
    {
        FieldDeclaration declaration;
        // From operator new: aligned for any object the plug-in builds in private data.
        std::vector<uint8_t> storage;
        uint8_t* bytes() { return storage.data(); }
    };
    class DataAccess;

    // AAX_IController
    AAX_Result PostPacket(AAX_CFieldIndex port, const void* data, uint32_t size) override;
    AAX_IEffectParameters* GetEffectParameters() override { return parametersObj; }
    AAX_IAutomationDelegate* GetAutomationDelegate() override { return this; }
    AAX_Result GetSampleRate(float* rate) override;
    AAX_Result GetSignalLatency(int32_t* samples) override;
    AAX_Result SetSignalLatency(int32_t samples) override;
    // AAX_IAutomationDelegate
    AAX_Result TouchParameter(AAX_CParamID id) override;
    AAX_Result ReleaseParameter(AAX_CParamID id) override;
    AAX_Result PostSetValueRequest(AAX_CParamID id, double value) override;
    AAX_Result GetTouchState(AAX_CParamID id, bool* touched) override;

    HostParameter* find(AAX_CParamID id);
    Field* field(int32_t index);
    void buildContext();
    void teardown();

    const EffectDescription& effect;
    const ComponentDescription* componentDescription = nullptr;
    AAX_IEffectParameters* parametersObj = nullptr;
    AAX_IEffectDirectData* directData = nullptr;
    AAX_IEffectGUI* guiObject = nullptr;
    std::vector<HostParameter> hostParameters;
    std::deque<Update> updates;
    std::function<void()> updateQueued;
    std::vector<Call> callLog;
    bool delivering = false;
    int32_t latency = 0;
    int32_t latencyReports = 0;
    std::string deliveringID;
    bool deliveringTouched = false;

    // The render instance.
    std::vector<Field> fields;
    void* context[32] = {};
    float* inputs[2] = {};
    float* outputs[2] = {};
    int32_t bufferLength = 0;
    float contextRate = 0.0f;
    std::atomic<float> hostRate;
    CallbackWatch callbackWatch = nullptr;
    std::vector<float> meterValues;
    float* meterArray = nullptr;
    bool engineReady = false;

    // Packets posted on the main thread, moved to the ports before the next block.
    std::mutex packetLock;
    std::vector<std::pair<int32_t, std::vector<uint8_t>>> packets;
    // Orders render() against direct private-data access and meter reads.
    mutable std::mutex renderLock;

    std::unique_ptr<DataAccess> access;
    WakeTimer timer;
};
