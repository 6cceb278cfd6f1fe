#pragma once

#include "LiveObjects.h"
#include "ORL_AAX_HostParameters.h"

#include <AAX_CEffectParameters.h>
#include <InstanceCore.h>

// The effect's parameters object: host parameters built from the slot table, the plug-in
// instance's core (master controller and bank, session) with the AAX host side, the host's
// value texts, the private-data initialisation of the render instances and the state chunk
// 'All ' carrying the instance's bank state. Main thread, except takePending.
class ORL_QcWl_0x011005_AAX_Parameters_Wrapper final : public AAX_CEffectParameters,
                                                       private LiveObject
{
  public:
    static constexpr const char* kMasterBypassID = "MasterBypassID";

    ORL_QcWl_0x011005_AAX_Parameters_Wrapper();

    // Text of slot 0-7 for a given value ("0.0 dB"), "  " for slots 8-16, cut to maxLength;
    // -20001 for any other identifier, the master bypass included.
    AAX_Result GetParameterStringFromValue(AAX_CParamID id, double value, AAX_IString* text,
                                           int32_t maxLength) const override;
    // The layer's update, then a touched change of a public slot goes to the controller.
    AAX_Result UpdateParameterNormalizedValue(AAX_CParamID id, double value,
                                              int32_t source) override;
    // Fields 14 and 15: -1.666 marks; field 16: the engine, built in place.
    AAX_Result ResetFieldData(AAX_CFieldIndex field, void* data, uint32_t size) const override;

    AAX_Result GetNumberOfChunks(int32_t* count) const override;
    AAX_Result GetChunkIDFromIndex(int32_t index, AAX_CTypeID* id) const override;
    AAX_Result GetChunkSize(AAX_CTypeID id, uint32_t* size) const override;
    AAX_Result GetChunk(AAX_CTypeID id, AAX_SPlugInChunk* chunk) const override;
    // 'All ': a state the bank refuses (its code, type and values checked as every shell
    // checks them), or one that sets no preset, gives AAX_ERROR_INVALID_FIELD_DATA and
    // changes nothing. 'elck': data with bytes left over or a value outside 0..1 (a NaN
    // too) is refused the same way, whatever else it holds.
    AAX_Result SetChunk(AAX_CTypeID id, const AAX_SPlugInChunk* chunk) override;

    // Main thread. The instance's master controller, for the GUI object's editor.
    ORLShellController& masterController() { return core.masterController(); }
    // The host's timer thread. The internal values set since the last take (see
    // ORL_AAX_HostParameters::takePending). Lock-free.
    bool takePending(double* out) { return hostSide.takePending(out); }

  protected:
    AAX_Result EffectInit() override;

  private:
    // Before the core, which points at it until the core is gone.
    ORL_AAX_HostParameters hostSide{*this};
    // Building the bank state is the preset model's scratch work, also for const reads.
    mutable InstanceCore core;
};
