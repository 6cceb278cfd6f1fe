#include "ORL_VST3_Effect.h"

#include "ChordwellIds.h"
#include "ChordwellParameters.h"
#include "ORL_VST3_EditorWrapper.h"
#include "ORL_VST3_ProcessBlock.h"

#include <HostValue.h>
#include <ParameterTable.h>
#include <ProductIdentity.h>

#include <pluginterfaces/base/ibstream.h>
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
    renderHostBlock(instance, data);
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
    hostSide.setEditor(nullptr);
}
