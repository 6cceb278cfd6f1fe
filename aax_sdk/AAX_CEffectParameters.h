#pragma once

#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameterManager.h"
#include "AAX_IEffectParameters.h"

class AAX_IAutomationDelegate;

// Base of an effect's parameters object: the parameter manager, the packet dispatcher, the
// host-facing parameter operations and the layer's own chunk 'elck' with every host
// parameter's value. Subclasses build their parameters in EffectInit. Main thread.
class AAX_CEffectParameters : public AAX_IEffectParameters
{
  public:
    static constexpr AAX_CTypeID kParameterChunkID = AAX_FourCC("elck");

    AAX_Result Initialize(AAX_IController* controller) override;
    AAX_Result Uninitialize() override;

    AAX_Result GetNumberOfParameters(int32_t* count) const override;
    AAX_Result GetParameterIDFromIndex(int32_t index, AAX_IString* id) const override;
    AAX_Result GetParameterName(AAX_CParamID id, AAX_IString* name) const override;
    AAX_Result GetParameterNumberOfSteps(AAX_CParamID id, int32_t* steps) const override;
    AAX_Result GetParameterType(AAX_CParamID id, int32_t* type) const override;
    AAX_Result GetParameterIsAutomatable(AAX_CParamID id, bool* automatable) const override;
    AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID id, double* value) const override;
    AAX_Result GetParameterNormalizedValue(AAX_CParamID id, double* value) const override;
    AAX_Result GetParameterValueString(AAX_CParamID id, AAX_IString* text,
                                       int32_t maxLength) const override;
    AAX_Result GetParameterStringFromValue(AAX_CParamID id, double value, AAX_IString* text,
                                           int32_t maxLength) const override;
    // Stores the delivered value in the parameter and posts its packet to the render ports.
    AAX_Result UpdateParameterNormalizedValue(AAX_CParamID id, double value,
                                              int32_t source) override;
    // Zero-fills the field.
    AAX_Result ResetFieldData(AAX_CFieldIndex field, void* data, uint32_t size) const override;

    AAX_Result GetNumberOfChunks(int32_t* count) const override;
    AAX_Result GetChunkIDFromIndex(int32_t index, AAX_CTypeID* id) const override;
    AAX_Result GetChunkSize(AAX_CTypeID id, uint32_t* size) const override;
    AAX_Result GetChunk(AAX_CTypeID id, AAX_SPlugInChunk* chunk) const override;
    // 'elck': a damaged image, or one of which no value applies, is refused
    // (AAX_ERROR_INCORRECT_CHUNK_SIZE, AAX_ERROR_INVALID_FIELD_DATA) and changes nothing.
    AAX_Result SetChunk(AAX_CTypeID id, const AAX_SPlugInChunk* chunk) override;

    // The plug-in's own edits of a host parameter: touch, set (the host delivers the update
    // later) and release. Without an automation delegate a set updates the value at once.
    AAX_Result TouchParameter(AAX_CParamID id);
    AAX_Result SetParameterNormalizedValue(AAX_CParamID id, double value);
    AAX_Result ReleaseParameter(AAX_CParamID id);

    AAX_IController* GetController() const { return controller; }
    AAX_IAutomationDelegate* GetAutomationDelegate() const { return automation; }

  protected:
    // Builds the parameters and packets; called by Initialize.
    virtual AAX_Result EffectInit() { return AAX_SUCCESS; }

    AAX_CParameterManager mParameterManager;
    AAX_CPacketDispatcher mPacketDispatcher;

  private:
    AAX_IController* controller = nullptr;
    AAX_IAutomationDelegate* automation = nullptr;
};
