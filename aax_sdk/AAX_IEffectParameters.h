#pragma once

#include "AAX.h"
#include "AAX_IString.h"

class AAX_IController;

// The effect's parameters object as the host drives it (created by procedure selector 0).
// Main thread, except where an operation says otherwise.
class AAX_IEffectParameters
{
  public:
    virtual ~AAX_IEffectParameters() = default;

    virtual AAX_Result Initialize(AAX_IController* controller) = 0;
    virtual AAX_Result Uninitialize() = 0;

    virtual AAX_Result GetNumberOfParameters(int32_t* count) const = 0;
    virtual AAX_Result GetParameterIDFromIndex(int32_t index, AAX_IString* id) const = 0;
    virtual AAX_Result GetParameterName(AAX_CParamID id, AAX_IString* name) const = 0;
    virtual AAX_Result GetParameterNumberOfSteps(AAX_CParamID id, int32_t* steps) const = 0;
    virtual AAX_Result GetParameterType(AAX_CParamID id, int32_t* type) const = 0;
    virtual AAX_Result GetParameterIsAutomatable(AAX_CParamID id, bool* automatable) const = 0;
    virtual AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID id, double* value) const = 0;
    virtual AAX_Result GetParameterNormalizedValue(AAX_CParamID id, double* value) const = 0;
    // Text of the parameter's current value.
    virtual AAX_Result GetParameterValueString(AAX_CParamID id, AAX_IString* text,
                                               int32_t maxLength) const = 0;
    // Text of a given normalized value.
    virtual AAX_Result GetParameterStringFromValue(AAX_CParamID id, double value, AAX_IString* text,
                                                   int32_t maxLength) const = 0;
    // The host delivers a change of its parameter.
    virtual AAX_Result UpdateParameterNormalizedValue(AAX_CParamID id, double value,
                                                      int32_t source) = 0;

    // Initialises one private-data field of a render instance before its first block.
    virtual AAX_Result ResetFieldData(AAX_CFieldIndex field, void* data, uint32_t size) const = 0;

    virtual AAX_Result GetNumberOfChunks(int32_t* count) const = 0;
    virtual AAX_Result GetChunkIDFromIndex(int32_t index, AAX_CTypeID* id) const = 0;
    virtual AAX_Result GetChunkSize(AAX_CTypeID id, uint32_t* size) const = 0;
    // chunk has room for the size GetChunkSize reported, after its header.
    virtual AAX_Result GetChunk(AAX_CTypeID id, AAX_SPlugInChunk* chunk) const = 0;
    // chunk holds fSize bytes after its header.
    virtual AAX_Result SetChunk(AAX_CTypeID id, const AAX_SPlugInChunk* chunk) = 0;
};
