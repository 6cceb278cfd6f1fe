#include "ORL_VST3_Effect.h"

#include "ChordwellIds.h"
#include "ChordwellParameters.h"
#include "ORL_VST3_EditorWrapper.h"

#include <HostValue.h>
#include <ParameterTable.h>
#include <ProductIdentity.h>

#include <pluginterfaces/base/ibstream.h>
#include <pluginterfaces/vst/ivstparameterchanges.h>
#include <pluginterfaces/vst/vstspeaker.h>

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace Steinberg;
using namespace Steinberg::Vst;
using chordwell::vst3ids::kProgramCount;
using chordwell::vst3ids::kProgramList;
using chordwell::vst3ids::kProgramParameter;

namespace
{
// Bytes a state may have: a larger stream is not ours, and is not read to its end.
constexpr size_t kMaxStateBytes =
    chordwell::sessionstate::kHeaderSize + chordwell::sessionstate::kMaxBankState;

// The host's timed parameter points of one block, merged across queues in offset order.
// Audio thread: reads the host's queues in place, each point once, allocates nothing.
class HostPoints final : public ChordwellInstance::PointSource
{
  public:
    explicit HostPoints(IParameterChanges* changes)
    {
        const int32 count = changes != nullptr ? changes->getParameterCount() : 0;
        for (int32 i = 0; i < count && queueCount < kMaxQueues; ++i)
        {
            IParamValueQueue* queue = changes->getParameterData(i);
            if (queue == nullptr || queue->getParameterId() >= 8 || queue->getPointCount() <= 0)
                continue;
            Queue& added = queues[queueCount++];
            added = {queue, static_cast<int32_t>(queue->getParameterId()), 0,
                     queue->getPointCount()};
            load(added);
        }
    }

    bool next(ChordwellInstance::Point& point) override
    {
        // The earliest head; among equal offsets, the first queue's.
        Queue* best = nullptr;
        for (int q = 0; q < queueCount; ++q)
            if (queues[q].loaded && (best == nullptr || queues[q].offset < best->offset))
                best = &queues[q];
        if (best == nullptr)
            return false;
        point = {best->slot, std::max<int32>(best->offset, 0), best->value};
        load(*best);
        return true;
    }

  private:
    static constexpr int kMaxQueues = 8;
    struct Queue
    {
        IParamValueQueue* queue;
        int32_t slot;
        int32 cursor;
        int32 count;
        // The queue's next point, read ahead.
        bool loaded = false;
        int32 offset = 0;
        ParamValue value = 0.0;
    };

    // Reads the queue's next point the host can give (others are skipped).
    static void load(Queue& queue)
    {
        queue.loaded = false;
        while (!queue.loaded && queue.cursor < queue.count)
            queue.loaded =
                queue.queue->getPoint(queue.cursor++, queue.offset, queue.value) == kResultTrue;
    }

    Queue queues[kMaxQueues]{};
    int queueCount = 0;
};

template <typename Sample> Sample* channel(AudioBusBuffers& bus, int32 index)
{
    Sample** buffers = nullptr;
    if constexpr (sizeof(Sample) == sizeof(float))
        buffers = reinterpret_cast<Sample**>(bus.channelBuffers32);
    else
        buffers = reinterpret_cast<Sample**>(bus.channelBuffers64);
    return buffers != nullptr && index < bus.numChannels ? buffers[index] : nullptr;
}

// A channel whose block is all zeros, so the host may skip it (it is told by the output's
// silence flags). An absent channel is not.
template <typename Sample> bool silent(const Sample* samples, int32 frames)
{
    if (samples == nullptr)
        return false;
    for (int32 i = 0; i < frames; ++i)
        if (samples[i] != Sample(0))
            return false;
    return true;
}

template <typename Sample>
void renderBlock(ChordwellInstance& instance, ProcessData& data, HostPoints& points)
{
    const bool haveAudio = data.numInputs > 0 && data.numOutputs > 0 && data.inputs != nullptr &&
                           data.outputs != nullptr;
    ChannelPair<Sample> in, out;
    if (haveAudio)
    {
        in.channel0 = channel<Sample>(data.inputs[0], 0);
        in.channel1 = instance.inputChannels() == 2 ? channel<Sample>(data.inputs[0], 1) : nullptr;
        out.channel0 = channel<Sample>(data.outputs[0], 0);
        out.channel1 =
            instance.outputChannels() == 2 ? channel<Sample>(data.outputs[0], 1) : nullptr;
    }
    const bool playable = in.channel0 != nullptr && out.channel0 != nullptr;
    const int32 frames = playable ? data.numSamples : 0;
    instance.render(in, out, frames, points);
    // The input's silence flags are not read: the strings ring on after the input stops.
    if (haveAudio)
        data.outputs[0].silenceFlags = playable ? (silent(out.channel0, frames) ? 1u : 0u) |
                                                      (silent(out.channel1, frames) ? 2u : 0u)
                                                : 0u;
}

bool readWhole(IBStream* stream, std::vector<uint8_t>& bytes)
{
    if (stream == nullptr)
        return false;
    bytes.clear();
    uint8_t buffer[4096];
    for (;;)
    {
        int32 got = 0;
        if (stream->read(buffer, sizeof buffer, &got) != kResultTrue || got <= 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + std::min<int32>(got, sizeof buffer));
        if (bytes.size() > kMaxStateBytes)
            return false;
    }
    return true;
}
} // namespace

ORL_VST3_Effect::ORL_VST3_Effect() : hostSide(*this, instance)
{
    instance.masterController().setHostParameters(&hostSide);
    // The first block applies every default as the host's 32-bit value, as a fresh AAX
    // instance's data ports do.
    for (int32_t slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
        instance.post(slot, getParameterDefault(slot));
}

ORL_VST3_Effect::~ORL_VST3_Effect()
{
    if (editor != nullptr)
        editor->effectGone();
    instance.masterController().setEditor(nullptr);
    instance.masterController().setHostParameters(nullptr);
}

FUnknown* ORL_VST3_Effect::create(void*)
{
    return static_cast<IAudioProcessor*>(new ORL_VST3_Effect);
}

tresult PLUGIN_API ORL_VST3_Effect::initialize(FUnknown* context)
{
    const tresult result = EditController::initialize(context);
    if (result != kResultOk)
        return result;
    if (parameters.getParameterCount() == 0)
    {
        for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
            parameters.addParameter(chordwell::vst3params::makeSlotParameter(slot));
        parameters.addParameter(chordwell::vst3params::makeProgramParameter(
            [this](int index) { return instance.programName(index); }));
    }
    syncPrograms();
    // A new instance has nothing to tell its host yet.
    namesPending = valuesPending = false;
    return kResultOk;
}

tresult PLUGIN_API ORL_VST3_Effect::terminate()
{
    if (editor != nullptr)
        editor->effectGone();
    editor = nullptr;
    return EditController::terminate();
}

void ORL_VST3_Effect::leaveMainCall()
{
    if (--mainCallDepth == 0)
        settle();
}

void ORL_VST3_Effect::idle()
{
    if (mainCallDepth == 0)
        settle();
}

void ORL_VST3_Effect::settle()
{
    hostSide.deliverEchoes();
    syncPrograms();
}

void ORL_VST3_Effect::syncPrograms()
{
    for (int32_t i = 0; i < kProgramCount; ++i)
        if (const char* name = instance.programName(i); shownNames[i] != name)
        {
            shownNames[i] = name;
            namesPending = true;
        }
    const int32_t current = instance.currentProgram();
    if (current != shownProgram)
    {
        shownProgram = current;
        valuesPending = true;
        if (auto* program = getParameterObject(kProgramParameter))
            program->setNormalized(static_cast<double>(current) / (kProgramCount - 1));
    }
    // Inside a host's call the host is not told yet (HostCall).
    if (componentHandler == nullptr || hostCallDepth > 0)
        return;
    if (namesPending)
        if (FUnknownPtr<IUnitHandler> units(componentHandler); units)
            units->notifyProgramListChange(kProgramList, -1);
    if (namesPending || valuesPending)
        componentHandler->restartComponent(kParamValuesChanged);
    namesPending = valuesPending = false;
}

// --- component -------------------------------------------------------------------------------

tresult PLUGIN_API ORL_VST3_Effect::getControllerClassId(TUID)
{
    return kResultFalse; // one object is both component and controller
}

tresult PLUGIN_API ORL_VST3_Effect::setIoMode(IoMode)
{
    return kResultOk;
}

int32 PLUGIN_API ORL_VST3_Effect::getBusCount(MediaType type, BusDirection)
{
    return type == kAudio ? 1 : 0;
}

tresult PLUGIN_API ORL_VST3_Effect::getBusInfo(MediaType type, BusDirection dir, int32 index,
                                               BusInfo& bus)
{
    if (type != kAudio || index != 0)
        return kInvalidArgument;
    bus.mediaType = kAudio;
    bus.direction = dir;
    bus.channelCount = dir == kInput ? instance.inputChannels() : instance.outputChannels();
    chordwell::vst3params::toString128(dir == kInput ? "Input" : "Output", bus.name);
    bus.busType = kMain;
    bus.flags = BusInfo::kDefaultActive;
    return kResultOk;
}

tresult PLUGIN_API ORL_VST3_Effect::getRoutingInfo(RoutingInfo&, RoutingInfo&)
{
    return kNotImplemented;
}

tresult PLUGIN_API ORL_VST3_Effect::activateBus(MediaType type, BusDirection, int32 index, TBool)
{
    return type == kAudio && index == 0 ? kResultOk : kInvalidArgument;
}

tresult PLUGIN_API ORL_VST3_Effect::setActive(TBool state)
{
    active = state != 0;
    return kResultOk;
}

std::array<double, 8> ORL_VST3_Effect::currentValues()
{
    std::array<double, 8> values{};
    for (int slot = 0; slot < 8; ++slot)
        values[slot] = getParamNormalized(static_cast<ParamID>(slot));
    return values;
}

tresult PLUGIN_API ORL_VST3_Effect::getState(IBStream* state)
{
    if (state == nullptr)
        return kInvalidArgument;
    std::array<float, 8> values{};
    const auto current = currentValues();
    for (int slot = 0; slot < 8; ++slot)
        values[slot] = static_cast<float>(current[slot]);
    const std::vector<uint8_t> bytes = instance.saveSession(values);
    if (bytes.empty())
        return kResultFalse;
    int32 written = 0;
    if (state->write(const_cast<uint8_t*>(bytes.data()), static_cast<int32>(bytes.size()),
                     &written) != kResultOk ||
        written != static_cast<int32>(bytes.size()))
        return kResultFalse;
    return kResultOk;
}

tresult PLUGIN_API ORL_VST3_Effect::setState(IBStream* state)
{
    std::vector<uint8_t> bytes;
    if (!readWhole(state, bytes))
        return kResultFalse;
    bool applied = false;
    {
        const HostCall call(*this);
        applied = applyState(bytes);
    }
    return applied ? kResultOk : kResultFalse;
}

bool ORL_VST3_Effect::applyState(const std::vector<uint8_t>& bytes)
{
    // Everything is checked before anything changes: a refused state leaves all as it was.
    const auto decoded = ChordwellInstance::readSession(bytes);
    if (!decoded)
        return false;
    hostSide.setRestoring(true);
    instance.restoreBank(*decoded);
    // The session's values win over the preset's: automation may have moved them.
    if (decoded->values)
        for (int32_t slot = 0; slot < 8; ++slot)
        {
            hostSide.touchParameter(slot);
            hostSide.setParameterValue(slot, (*decoded->values)[slot]);
            hostSide.releaseParameter(slot);
        }
    hostSide.setRestoring(false);
    // The host reads the restored values back when setState returns.
    valuesPending = true;
    return true;
}

// --- audio processor -------------------------------------------------------------------------

tresult PLUGIN_API ORL_VST3_Effect::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                       SpeakerArrangement* outputs, int32 numOuts)
{
    if (active || numIns != 1 || numOuts != 1 || inputs == nullptr || outputs == nullptr)
        return kResultFalse;
    // Plain mono and stereo buses only, in one of the three layouts.
    const auto plain = [](SpeakerArrangement a)
    { return a == SpeakerArr::kMono || a == SpeakerArr::kStereo; };
    if (!plain(inputs[0]) || !plain(outputs[0]))
        return kResultFalse;
    const auto layout = ChordwellInstance::layoutOf(SpeakerArr::getChannelCount(inputs[0]),
                                                    SpeakerArr::getChannelCount(outputs[0]));
    if (!layout)
        return kResultFalse;
    instance.setLayout(*layout);
    return kResultTrue;
}

tresult PLUGIN_API ORL_VST3_Effect::getBusArrangement(BusDirection dir, int32 index,
                                                      SpeakerArrangement& arr)
{
    if (index != 0)
        return kInvalidArgument;
    const int32_t channels = dir == kInput ? instance.inputChannels() : instance.outputChannels();
    arr = channels == 2 ? SpeakerArr::kStereo : SpeakerArr::kMono;
    return kResultTrue;
}

tresult PLUGIN_API ORL_VST3_Effect::canProcessSampleSize(int32 size)
{
    return size == kSample32 || size == kSample64 ? kResultTrue : kResultFalse;
}

uint32 PLUGIN_API ORL_VST3_Effect::getLatencySamples()
{
    return 0;
}

tresult PLUGIN_API ORL_VST3_Effect::setupProcessing(ProcessSetup& setup)
{
    if (setup.symbolicSampleSize != kSample32 && setup.symbolicSampleSize != kSample64)
        return kResultFalse;
    instance.setSampleRate(setup.sampleRate);
    return kResultOk;
}

tresult PLUGIN_API ORL_VST3_Effect::setProcessing(TBool)
{
    return kResultOk;
}

tresult PLUGIN_API ORL_VST3_Effect::process(ProcessData& data)
{
    HostPoints points(data.inputParameterChanges);
    if (data.symbolicSampleSize == kSample64)
        renderBlock<double>(instance, data, points);
    else
        renderBlock<float>(instance, data, points);
    return kResultOk;
}

uint32 PLUGIN_API ORL_VST3_Effect::getTailSamples()
{
    return instance.tailSamples(currentValues());
}

uint32 PLUGIN_API ORL_VST3_Effect::getProcessContextRequirements()
{
    // The sound depends on the audio and the parameters alone: no tempo, no transport, no
    // time of any kind.
    return 0;
}

// --- edit controller -------------------------------------------------------------------------

tresult PLUGIN_API ORL_VST3_Effect::setComponentState(IBStream*)
{
    return kResultOk; // the component's state is this object's own
}

tresult PLUGIN_API ORL_VST3_Effect::setParamNormalized(ParamID tag, ParamValue value)
{
    if (!hostvalue::normalized(value, value))
        return kInvalidArgument;
    if (tag == kProgramParameter)
    {
        const auto index = static_cast<int32_t>(std::lround(value * (kProgramCount - 1)));
        if (index != instance.currentProgram())
        {
            {
                const HostCall call(*this);
                instance.selectProgram(index);
            }
            // The host chose this program: it knows the program, and the values reached it
            // through their edits.
            valuesPending = false;
        }
        return EditController::setParamNormalized(tag, value);
    }
    const tresult result = EditController::setParamNormalized(tag, value);
    if (result == kResultTrue && tag < 8)
    {
        // The host's own change (automation): engine and knobs, never the preset bank.
        instance.post(static_cast<int32_t>(tag), value);
        if (editor != nullptr)
            editor->updateDisplay(static_cast<int32_t>(tag), value);
    }
    return result;
}

IPlugView* PLUGIN_API ORL_VST3_Effect::createView(FIDString name)
{
    if (name == nullptr || std::strcmp(name, ViewType::kEditor) != 0)
        return nullptr;
    return new ORL_VST3_EditorWrapper(this);
}

void ORL_VST3_Effect::editorGone(ORL_VST3_EditorWrapper* closing)
{
    if (editor != closing)
        return;
    editor = nullptr;
    instance.masterController().setEditor(nullptr);
    hostSide.setEditor(nullptr);
}

// --- unit info -------------------------------------------------------------------------------

int32 PLUGIN_API ORL_VST3_Effect::getUnitCount()
{
    return 1;
}

tresult PLUGIN_API ORL_VST3_Effect::getUnitInfo(int32 unitIndex, UnitInfo& info)
{
    if (unitIndex != 0)
        return kInvalidArgument;
    info.id = kRootUnitId;
    info.parentUnitId = kNoParentUnitId;
    chordwell::vst3params::toString128(chordwell::product::kName, info.name);
    info.programListId = kProgramList;
    return kResultTrue;
}

int32 PLUGIN_API ORL_VST3_Effect::getProgramListCount()
{
    return 1;
}

tresult PLUGIN_API ORL_VST3_Effect::getProgramListInfo(int32 listIndex, ProgramListInfo& info)
{
    if (listIndex != 0)
        return kInvalidArgument;
    info.id = kProgramList;
    chordwell::vst3params::toString128("Presets", info.name);
    info.programCount = kProgramCount;
    return kResultTrue;
}

tresult PLUGIN_API ORL_VST3_Effect::getProgramName(ProgramListID listId, int32 programIndex,
                                                   String128 name)
{
    if (listId != kProgramList || programIndex < 0 || programIndex >= kProgramCount)
        return kInvalidArgument;
    chordwell::vst3params::toString128(instance.programName(programIndex), name);
    return kResultTrue;
}

tresult PLUGIN_API ORL_VST3_Effect::getProgramInfo(ProgramListID, int32, Vst::CString, String128)
{
    return kResultFalse;
}

tresult PLUGIN_API ORL_VST3_Effect::hasProgramPitchNames(ProgramListID, int32)
{
    return kResultFalse;
}

tresult PLUGIN_API ORL_VST3_Effect::getProgramPitchName(ProgramListID, int32, int16, String128)
{
    return kResultFalse;
}

UnitID PLUGIN_API ORL_VST3_Effect::getSelectedUnit()
{
    return kRootUnitId;
}

tresult PLUGIN_API ORL_VST3_Effect::selectUnit(UnitID unitId)
{
    return unitId == kRootUnitId ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API ORL_VST3_Effect::getUnitByBus(MediaType, BusDirection, int32, int32,
                                                 UnitID& unitId)
{
    unitId = kRootUnitId;
    return kResultTrue;
}

tresult PLUGIN_API ORL_VST3_Effect::setUnitProgramData(int32, int32, IBStream*)
{
    return kResultFalse;
}
