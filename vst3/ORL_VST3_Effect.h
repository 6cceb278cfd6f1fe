#pragma once

#include "ORL_VST3_HostParameters.h"

#include <ChordwellInstance.h>

#include <pluginterfaces/vst/ivstaudioprocessor.h>
#include <pluginterfaces/vst/ivstcomponent.h>
#include <pluginterfaces/vst/ivstunits.h>
#include <public.sdk/source/vst/vsteditcontroller.h>

#include <array>
#include <string>

class ORL_VST3_EditorWrapper;

// The product as one VST 3 object: component, audio processor, edit controller and unit info
// (the ten presets as the host's program list). It maps the host's calls onto one plug-in
// instance and nothing more: behaviour lives in the layers below.
//
// Threads, as VST 3 has them: process() on the host's audio thread (real-time safe); every
// other call on the host's main (UI) thread, setupProcessing and setActive only while not
// processing.
class ORL_VST3_Effect final : public Steinberg::Vst::EditController,
                              public Steinberg::Vst::IComponent,
                              public Steinberg::Vst::IAudioProcessor,
                              public Steinberg::Vst::IProcessContextRequirements,
                              public Steinberg::Vst::IUnitInfo
{
  public:
    ORL_VST3_Effect();
    ~ORL_VST3_Effect() override;

    // Main thread. The factory's way in.
    static Steinberg::FUnknown* create(void*);

    // IPluginBase (shared by component and controller).
    Steinberg::tresult PLUGIN_API initialize(Steinberg::FUnknown* context) override;
    Steinberg::tresult PLUGIN_API terminate() override;

    // IComponent.
    Steinberg::tresult PLUGIN_API getControllerClassId(Steinberg::TUID classId) override;
    Steinberg::tresult PLUGIN_API setIoMode(Steinberg::Vst::IoMode mode) override;
    Steinberg::int32 PLUGIN_API getBusCount(Steinberg::Vst::MediaType type,
                                            Steinberg::Vst::BusDirection dir) override;
    Steinberg::tresult PLUGIN_API getBusInfo(Steinberg::Vst::MediaType type,
                                             Steinberg::Vst::BusDirection dir,
                                             Steinberg::int32 index,
                                             Steinberg::Vst::BusInfo& bus) override;
    Steinberg::tresult PLUGIN_API getRoutingInfo(Steinberg::Vst::RoutingInfo& inInfo,
                                                 Steinberg::Vst::RoutingInfo& outInfo) override;
    Steinberg::tresult PLUGIN_API activateBus(Steinberg::Vst::MediaType type,
                                              Steinberg::Vst::BusDirection dir,
                                              Steinberg::int32 index,
                                              Steinberg::TBool state) override;
    Steinberg::tresult PLUGIN_API setActive(Steinberg::TBool state) override;
    // Component and controller state are one: the whole bank and every parameter value.
    Steinberg::tresult PLUGIN_API setState(Steinberg::IBStream* state) override;
    Steinberg::tresult PLUGIN_API getState(Steinberg::IBStream* state) override;

    // IAudioProcessor.
    Steinberg::tresult PLUGIN_API setBusArrangements(Steinberg::Vst::SpeakerArrangement* inputs,
                                                     Steinberg::int32 numIns,
                                                     Steinberg::Vst::SpeakerArrangement* outputs,
                                                     Steinberg::int32 numOuts) override;
    Steinberg::tresult PLUGIN_API
    getBusArrangement(Steinberg::Vst::BusDirection dir, Steinberg::int32 index,
                      Steinberg::Vst::SpeakerArrangement& arr) override;
    Steinberg::tresult PLUGIN_API canProcessSampleSize(Steinberg::int32 size) override;
    Steinberg::uint32 PLUGIN_API getLatencySamples() override;
    Steinberg::tresult PLUGIN_API setupProcessing(Steinberg::Vst::ProcessSetup& setup) override;
    Steinberg::tresult PLUGIN_API setProcessing(Steinberg::TBool state) override;
    // Audio thread. Real-time safe.
    Steinberg::tresult PLUGIN_API process(Steinberg::Vst::ProcessData& data) override;
    Steinberg::uint32 PLUGIN_API getTailSamples() override;

    // IProcessContextRequirements. Main thread, between initialize and setActive.
    Steinberg::uint32 PLUGIN_API getProcessContextRequirements() override;

    // IEditController.
    Steinberg::tresult PLUGIN_API setComponentState(Steinberg::IBStream* state) override;
    Steinberg::tresult PLUGIN_API setParamNormalized(Steinberg::Vst::ParamID tag,
                                                     Steinberg::Vst::ParamValue value) override;
    Steinberg::IPlugView* PLUGIN_API createView(Steinberg::FIDString name) override;

    // IUnitInfo: one unit with the bank's ten presets as its program list.
    Steinberg::int32 PLUGIN_API getUnitCount() override;
    Steinberg::tresult PLUGIN_API getUnitInfo(Steinberg::int32 unitIndex,
                                              Steinberg::Vst::UnitInfo& info) override;
    Steinberg::int32 PLUGIN_API getProgramListCount() override;
    Steinberg::tresult PLUGIN_API
    getProgramListInfo(Steinberg::int32 listIndex, Steinberg::Vst::ProgramListInfo& info) override;
    Steinberg::tresult PLUGIN_API getProgramName(Steinberg::Vst::ProgramListID listId,
                                                 Steinberg::int32 programIndex,
                                                 Steinberg::Vst::String128 name) override;
    Steinberg::tresult PLUGIN_API getProgramInfo(Steinberg::Vst::ProgramListID listId,
                                                 Steinberg::int32 programIndex,
                                                 Steinberg::Vst::CString attributeId,
                                                 Steinberg::Vst::String128 attributeValue) override;
    Steinberg::tresult PLUGIN_API hasProgramPitchNames(Steinberg::Vst::ProgramListID listId,
                                                       Steinberg::int32 programIndex) override;
    Steinberg::tresult PLUGIN_API getProgramPitchName(Steinberg::Vst::ProgramListID listId,
                                                      Steinberg::int32 programIndex,
                                                      Steinberg::int16 midiPitch,
                                                      Steinberg::Vst::String128 name) override;
    Steinberg::Vst::UnitID PLUGIN_API getSelectedUnit() override;
    Steinberg::tresult PLUGIN_API selectUnit(Steinberg::Vst::UnitID unitId) override;
    Steinberg::tresult PLUGIN_API getUnitByBus(Steinberg::Vst::MediaType type,
                                               Steinberg::Vst::BusDirection dir,
                                               Steinberg::int32 busIndex, Steinberg::int32 channel,
                                               Steinberg::Vst::UnitID& unitId) override;
    Steinberg::tresult PLUGIN_API setUnitProgramData(Steinberg::int32 listOrUnitId,
                                                     Steinberg::int32 programIndex,
                                                     Steinberg::IBStream* data) override;

    // Main thread. Calls into the product (editor actions, host calls) nest; when the
    // outermost one ends, queued echoes are delivered (unless a preset transfer is still
    // being sent) and the program list is brought in step with the bank.
    void enterMainCall() { ++mainCallDepth; }
    void leaveMainCall();
    // Main thread. The periodic tick of an open editor's run loop.
    void idle();
    // Main thread. An editor of this effect closes (or goes): nothing is shown in it any more.
    void editorGone(ORL_VST3_EditorWrapper* editor);

    ORLShellController& masterController() { return instance.masterController(); }

    OBJ_METHODS(ORL_VST3_Effect, Steinberg::Vst::EditController)
    DEFINE_INTERFACES
    DEF_INTERFACE(Steinberg::Vst::IComponent)
    DEF_INTERFACE(Steinberg::Vst::IAudioProcessor)
    DEF_INTERFACE(Steinberg::Vst::IProcessContextRequirements)
    DEF_INTERFACE(Steinberg::Vst::IUnitInfo)
    END_DEFINE_INTERFACES(Steinberg::Vst::EditController)
    REFCOUNT_METHODS(Steinberg::Vst::EditController)

  private:
    friend class ORL_VST3_EditorWrapper;
    // Main thread. Held for the length of a host's call into us that changes the product: the
    // changes settle when it ends, but the host hears of them only at our next call of our own
    // (an editor action or the run loop's tick), as telling a host from inside its own call
    // can deadlock it (it may hold the lock its restartComponent takes).
    class HostCall
    {
      public:
        explicit HostCall(ORL_VST3_Effect& effect) : effect(effect)
        {
            ++effect.hostCallDepth;
            effect.enterMainCall();
        }
        ~HostCall()
        {
            effect.leaveMainCall();
            --effect.hostCallDepth;
        }
        HostCall(const HostCall&) = delete;
        HostCall& operator=(const HostCall&) = delete;

      private:
        ORL_VST3_Effect& effect;
    };
    void settle();
    void syncPrograms();
    bool applyState(const std::vector<uint8_t>& bytes);
    std::array<double, 8> currentValues();

    ChordwellInstance instance;
    ORL_VST3_HostParameters hostSide;
    ORL_VST3_EditorWrapper* editor = nullptr;
    int mainCallDepth = 0;
    // HostCalls under way: the host is not told of changes then.
    int hostCallDepth = 0;
    bool namesPending = false;
    bool valuesPending = false;
    int32_t shownProgram = -1;
    std::array<std::string, 10> shownNames;
    bool active = false;
};
