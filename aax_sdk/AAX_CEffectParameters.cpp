#include "AAX_CEffectParameters.h"

#include "AAX_IHostInterfaces.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

static_assert(std::endian::native == std::endian::little, "chunks are stored little-endian");

namespace
{
// 'elck' layout: u32 count, then per parameter u32 id length, the id bytes, f64 value.
std::vector<uint8_t> parameterImage(const AAX_CParameterManager& parameters)
{
    std::vector<uint8_t> image;
    auto put = [&image](const void* data, size_t size)
    {
        const size_t at = image.size();
        image.resize(at + size);
        if (size > 0)
            std::memcpy(image.data() + at, data, size);
    };
    const auto count = static_cast<uint32_t>(parameters.NumParameters());
    put(&count, 4);
    for (int32_t i = 0; i < parameters.NumParameters(); ++i)
    {
        const AAX_IParameter* parameter = parameters.GetParameter(i);
        const auto length = static_cast<uint32_t>(std::strlen(parameter->Identifier()));
        const double value = parameter->GetNormalizedValue();
        put(&length, 4);
        put(parameter->Identifier(), length);
        put(&value, 8);
    }
    return image;
}
} // namespace

AAX_Result AAX_CEffectParameters::Initialize(AAX_IController* hostController)
{
    controller = hostController;
    automation = controller != nullptr ? controller->GetAutomationDelegate() : nullptr;
    const AAX_Result result = EffectInit();
    mPacketDispatcher.DispatchAll(mParameterManager, controller);
    return result;
}

AAX_Result AAX_CEffectParameters::Uninitialize()
{
    controller = nullptr;
    automation = nullptr;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfParameters(int32_t* count) const
{
    if (count == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *count = mParameterManager.NumParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIDFromIndex(int32_t index, AAX_IString* id) const
{
    const AAX_IParameter* parameter = mParameterManager.GetParameter(index);
    if (parameter == nullptr || id == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    id->Set(parameter->Identifier());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterName(AAX_CParamID id, AAX_IString* name) const
{
    const AAX_IParameter* parameter = mParameterManager.GetParameterByID(id);
    if (parameter == nullptr || name == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    name->Set(parameter->Name());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterNumberOfSteps(AAX_CParamID id, int32_t* steps) const
{
    const AAX_IParameter* parameter = mParameterManager.GetParameterByID(id);
    if (parameter == nullptr || steps == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    *steps = parameter->GetNumberOfSteps();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterType(AAX_CParamID id, int32_t* type) const
{
    const AAX_IParameter* parameter = mParameterManager.GetParameterByID(id);
    if (parameter == nullptr || type == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    *type = parameter->GetType();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIsAutomatable(AAX_CParamID id,
                                                            bool* automatable) const
{
    const AAX_IParameter* parameter = mParameterManager.GetParameterByID(id);
    if (parameter == nullptr || automatable == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    *automatable = parameter->Automatable();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterDefaultNormalizedValue(AAX_CParamID id,
                                                                     double* value) const
{
    const AAX_IParameter* parameter = mParameterManager.GetParameterByID(id);
    if (parameter == nullptr || value == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    *value = parameter->GetNormalizedDefaultValue();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterNormalizedValue(AAX_CParamID id, double* value) const
{
    const AAX_IParameter* parameter = mParameterManager.GetParameterByID(id);
    if (parameter == nullptr || value == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    *value = parameter->GetNormalizedValue();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterValueString(AAX_CParamID id, AAX_IString* text,
                                                          int32_t maxLength) const
{
    const AAX_IParameter* parameter = mParameterManager.GetParameterByID(id);
    if (parameter == nullptr ||
        !parameter->GetNormalizedValueString(parameter->GetNormalizedValue(), maxLength, text))
        return AAX_ERROR_INVALID_PARAMETER_ID;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterStringFromValue(AAX_CParamID id, double value,
                                                              AAX_IString* text,
                                                              int32_t maxLength) const
{
    const AAX_IParameter* parameter = mParameterManager.GetParameterByID(id);
    if (parameter == nullptr || !parameter->GetNormalizedValueString(value, maxLength, text))
        return AAX_ERROR_INVALID_PARAMETER_ID;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedValue(AAX_CParamID id, double value,
                                                                 int32_t)
{
    AAX_IParameter* parameter = mParameterManager.GetParameterByID(id);
    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->SetNormalizedValue(value);
    mPacketDispatcher.Dispatch(id, mParameterManager, controller);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::ResetFieldData(AAX_CFieldIndex, void* data, uint32_t size) const
{
    if (data != nullptr && size > 0)
        std::memset(data, 0, size);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfChunks(int32_t* count) const
{
    if (count == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *count = 1;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkIDFromIndex(int32_t index, AAX_CTypeID* id) const
{
    if (id == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (index != 0)
    {
        *id = 0;
        return AAX_ERROR_INVALID_CHUNK_INDEX;
    }
    *id = kParameterChunkID;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkSize(AAX_CTypeID id, uint32_t* size) const
{
    if (size == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (id != kParameterChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    *size = static_cast<uint32_t>(parameterImage(mParameterManager).size());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunk(AAX_CTypeID id, AAX_SPlugInChunk* chunk) const
{
    if (chunk == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (id != kParameterChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    const std::vector<uint8_t> image = parameterImage(mParameterManager);
    chunk->fSize = static_cast<int32_t>(image.size());
    chunk->fChunkID = id;
    std::memcpy(AAX_ChunkData(chunk), image.data(), image.size());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::SetChunk(AAX_CTypeID id, const AAX_SPlugInChunk* chunk)
{
    if (chunk == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (id != kParameterChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    if (chunk->fSize < 4)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    const uint8_t* data = AAX_ChunkData(chunk);
    const auto size = static_cast<size_t>(chunk->fSize);
    // The whole image is checked before anything is applied.
    struct Entry
    {
        std::string id;
        double value;
    };
    std::vector<Entry> entries;
    uint32_t count = 0;
    std::memcpy(&count, data, 4);
    size_t at = 4;
    for (uint32_t i = 0; i < count; ++i)
    {
        uint32_t length = 0;
        if (size - at < 4)
            return AAX_ERROR_INCORRECT_CHUNK_SIZE;
        std::memcpy(&length, data + at, 4);
        at += 4;
        if (size - at < static_cast<size_t>(length) + 8)
            return AAX_ERROR_INCORRECT_CHUNK_SIZE;
        Entry entry{std::string(reinterpret_cast<const char*>(data + at), length), 0.0};
        at += length;
        std::memcpy(&entry.value, data + at, 8);
        at += 8;
        entries.push_back(std::move(entry));
    }
    // An image of which no value applies keeps nothing: that is refused, not a success.
    bool kept = false;
    for (const Entry& entry : entries)
        if (std::isfinite(entry.value) && entry.value >= 0.0 && entry.value <= 1.0 &&
            mParameterManager.GetParameterByID(entry.id.c_str()) != nullptr)
        {
            SetParameterNormalizedValue(entry.id.c_str(), entry.value);
            kept = true;
        }
    return kept ? AAX_SUCCESS : AAX_ERROR_INVALID_FIELD_DATA;
}

AAX_Result AAX_CEffectParameters::TouchParameter(AAX_CParamID id)
{
    if (automation == nullptr)
        return AAX_SUCCESS;
    return automation->TouchParameter(id);
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedValue(AAX_CParamID id, double value)
{
    if (mParameterManager.GetParameterByID(id) == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (automation == nullptr)
        return UpdateParameterNormalizedValue(id, value, AAX_eUpdateSource_Unspecified);
    return automation->PostSetValueRequest(id, value);
}

AAX_Result AAX_CEffectParameters::ReleaseParameter(AAX_CParamID id)
{
    if (automation == nullptr)
        return AAX_SUCCESS;
    return automation->ReleaseParameter(id);
}
