#include "ORL_QcWl_0x011005_AAX_Parameters_Wrapper.h"

#include "ChordwellContext.h"
#include "EffectIdentity.h"

#include <AAX_CParameter.h>
#include <AAX_IHostInterfaces.h>
#include <EnginePorts.h>
#include <HostValue.h>
#include <ORLChordwellEffect.h>
#include <ParameterTable.h>
#include <StateFile.h>

#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

using namespace chordwell;

ORL_QcWl_0x011005_AAX_Parameters_Wrapper::ORL_QcWl_0x011005_AAX_Parameters_Wrapper()
{
    core.masterController().setHostParameters(&hostSide);
}

AAX_Result ORL_QcWl_0x011005_AAX_Parameters_Wrapper::EffectInit()
{
    auto bypass = std::make_unique<AAX_CParameter<bool>>(
        kMasterBypassID, "Master Bypass", false, AAX_CBinaryTaperDelegate<bool>(),
        AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
    bypass->SetNumberOfSteps(2);
    bypass->SetType(AAX_eParameterType_Discrete);
    mParameterManager.AddParameter(std::move(bypass));

    for (int slot = 0; slot < kSlotCount; ++slot)
    {
        if ((getParameterFlags(slot) & kFlagHostParameter) == 0)
            continue;
        const char* id = getParameterIdentifier(slot);
        auto parameter = std::make_unique<AAX_CParameter<float>>(
            id, id, static_cast<float>(getParameterDefault(slot)),
            AAX_CLinearTaperDelegate<float, 0>(0.0f, 1.0f),
            AAX_CNumberDisplayDelegate<float, 2, 0>(), true);
        if (slot == kBypassSlot)
        {
            parameter->SetType(AAX_eParameterType_Discrete);
            parameter->SetNumberOfSteps(2);
        }
        else
        {
            parameter->SetType(AAX_eParameterType_Continuous);
        }
        mParameterManager.AddParameter(std::move(parameter));
    }

    mPacketDispatcher.RegisterPacket(kMasterBypassID, field::kMasterBypass);
    for (int slot = 0; slot < kPublicSlotCount; ++slot)
        mPacketDispatcher.RegisterPacket(getParameterIdentifier(slot),
                                         field::kFirstParameterPort + slot);
    return AAX_SUCCESS;
}

AAX_Result ORL_QcWl_0x011005_AAX_Parameters_Wrapper::GetParameterStringFromValue(
    AAX_CParamID id, double value, AAX_IString* text, int32_t maxLength) const
{
    const int slot = id != nullptr ? findParameterSlot(id) : -1;
    if (slot < 0)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (text == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    std::string shown = "  ";
    if (slot < kPublicSlotCount)
    {
        char buffer[64] = {};
        getParameterDisplayText(slot, value, buffer);
        shown = buffer;
    }
    if (maxLength >= 0 && shown.size() > static_cast<size_t>(maxLength))
        shown.resize(static_cast<size_t>(maxLength));
    text->Set(shown.c_str());
    return AAX_SUCCESS;
}

AAX_Result ORL_QcWl_0x011005_AAX_Parameters_Wrapper::UpdateParameterNormalizedValue(AAX_CParamID id,
                                                                                    double value,
                                                                                    int32_t source)
{
    // A host may send any double: the render ports, the master controller and the preset bank
    // hear it clamped to 0..1, and a NaN changes nothing.
    if (!hostvalue::normalized(value, value))
        return AAX_ERROR_INVALID_FIELD_DATA;
    const AAX_Result result =
        AAX_CEffectParameters::UpdateParameterNormalizedValue(id, value, source);
    if (id == nullptr)
        return result;
    const int slot = findParameterSlot(id);
    const bool fromPlugInItself =
        source >= AAX_eUpdateSource_Parameter && source <= AAX_eUpdateSource_Delay;
    AAX_IAutomationDelegate* automation = GetAutomationDelegate();
    if (slot >= 0 && slot < kPublicSlotCount && !fromPlugInItself && automation != nullptr)
    {
        bool touched = false;
        if (automation->GetTouchState(id, &touched) == AAX_SUCCESS && touched)
            core.masterController().hostParameterEcho(slot, value);
    }
    return result;
}

AAX_Result ORL_QcWl_0x011005_AAX_Parameters_Wrapper::ResetFieldData(AAX_CFieldIndex fieldIndex,
                                                                    void* data, uint32_t size) const
{
    switch (fieldIndex)
    {
    case field::kParameterCache:
        if (data == nullptr || size != field::kParameterCacheSize)
            return AAX_ERROR_INVALID_FIELD_DATA;
        for (int i = 0; i < kSlotCount; ++i)
            static_cast<float*>(data)[i] = EnginePorts::kUnset;
        return AAX_SUCCESS;
    case field::kLastSampleRate:
        if (data == nullptr || size != field::kLastSampleRateSize)
            return AAX_ERROR_INVALID_FIELD_DATA;
        *static_cast<float*>(data) = EnginePorts::kUnset;
        return AAX_SUCCESS;
    case field::kEngine:
        if (data == nullptr || size != field::kEngineSize)
            return AAX_ERROR_INVALID_FIELD_DATA;
        try
        {
            new (data) ORLChordwellEffect();
        }
        catch (const std::bad_alloc&)
        {
            return AAX_ERROR_INVALID_FIELD_DATA;
        }
        return AAX_SUCCESS;
    default:
        if (data != nullptr && size > 0)
            std::memset(data, 0, size);
        return AAX_SUCCESS;
    }
}

AAX_Result ORL_QcWl_0x011005_AAX_Parameters_Wrapper::GetNumberOfChunks(int32_t* count) const
{
    if (count == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *count = 2;
    return AAX_SUCCESS;
}

AAX_Result ORL_QcWl_0x011005_AAX_Parameters_Wrapper::GetChunkIDFromIndex(int32_t index,
                                                                         AAX_CTypeID* id) const
{
    if (id == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    switch (index)
    {
    case 0:
        *id = kParameterChunkID;
        return AAX_SUCCESS;
    case 1:
        *id = identity::kStateChunkID;
        return AAX_SUCCESS;
    default:
        *id = 0;
        return AAX_ERROR_INVALID_CHUNK_INDEX;
    }
}

AAX_Result ORL_QcWl_0x011005_AAX_Parameters_Wrapper::GetChunkSize(AAX_CTypeID id,
                                                                  uint32_t* size) const
{
    if (id != identity::kStateChunkID)
        return AAX_CEffectParameters::GetChunkSize(id, size);
    if (size == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *size = static_cast<uint32_t>(core.saveBank().size());
    return AAX_SUCCESS;
}

AAX_Result ORL_QcWl_0x011005_AAX_Parameters_Wrapper::GetChunk(AAX_CTypeID id,
                                                              AAX_SPlugInChunk* chunk) const
{
    if (id != identity::kStateChunkID)
        return AAX_CEffectParameters::GetChunk(id, chunk);
    if (chunk == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    const std::vector<uint8_t> bank = core.saveBank();
    chunk->fSize = static_cast<int32_t>(bank.size());
    chunk->fChunkID = id;
    if (!bank.empty())
        std::memcpy(AAX_ChunkData(chunk), bank.data(), bank.size());
    return AAX_SUCCESS;
}

AAX_Result ORL_QcWl_0x011005_AAX_Parameters_Wrapper::SetChunk(AAX_CTypeID id,
                                                              const AAX_SPlugInChunk* chunk)
{
    // Each chunk gets the verdict every other shell and the host give the same data.
    if (id == kParameterChunkID && chunk != nullptr && chunk->fSize >= 4)
    {
        std::string why;
        if (!statefile::decodeHostValues({AAX_ChunkData(chunk), static_cast<size_t>(chunk->fSize)},
                                         why))
            return AAX_ERROR_INVALID_FIELD_DATA;
    }
    if (id != identity::kStateChunkID)
        return AAX_CEffectParameters::SetChunk(id, chunk);
    if (chunk == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (chunk->fSize < 12)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    // A state that keeps nothing is an error, so that the host can say so instead of
    // playing the defaults as if the state had loaded.
    if (!core.restoreBankState({AAX_ChunkData(chunk), static_cast<size_t>(chunk->fSize)}))
        return AAX_ERROR_INVALID_FIELD_DATA;
    return AAX_SUCCESS;
}
