#include "EffectInstance.h"

#include "PluginLibrary.h"

#include <cstring>

namespace
{
// A chunk header followed by room for exactly size bytes of data (so a sanitizer sees any
// read past the data). The allocation is aligned for the header.
class ChunkBuffer
{
  public:
    explicit ChunkBuffer(size_t size) : storage(sizeof(AAX_SPlugInChunkHeader) + size)
    {
        *chunk() = AAX_SPlugInChunk{};
    }
    AAX_SPlugInChunk* chunk() { return reinterpret_cast<AAX_SPlugInChunk*>(storage.data()); }

  private:
    std::vector<uint8_t> storage;
};
} // namespace

class EffectInstance::DataAccess final : public AAX_IPrivateDataAccess
{
  public:
    explicit DataAccess(EffectInstance& owner) : owner(owner) {}

    AAX_Result ReadPortDirect(AAX_CFieldIndex index, uint32_t offset, uint32_t size,
                              void* buffer) override
    {
        std::lock_guard lock(owner.renderLock);
        uint8_t* data = reach(index, offset, size);
        if (data == nullptr || buffer == nullptr)
            return AAX_ERROR_FIELD_ACCESS_OUT_OF_BOUNDS;
        std::memcpy(buffer, data, size);
        return AAX_SUCCESS;
    }
    AAX_Result WritePortDirect(AAX_CFieldIndex index, uint32_t offset, uint32_t size,
                               const void* buffer) override
    {
        std::lock_guard lock(owner.renderLock);
        uint8_t* data = reach(index, offset, size);
        if (data == nullptr || buffer == nullptr)
            return AAX_ERROR_FIELD_ACCESS_OUT_OF_BOUNDS;
        std::memcpy(data, buffer, size);
        return AAX_SUCCESS;
    }

  private:
    // Only private data, and only within the declared size.
    uint8_t* reach(AAX_CFieldIndex index, uint32_t offset, uint32_t size)
    {
        Field* f = owner.field(index);
        if (f == nullptr || f->declaration.kind != FieldKind::PrivateData)
            return nullptr;
        const uint64_t end = static_cast<uint64_t>(offset) + size;
        if (end > f->declaration.size)
            return nullptr;
        return f->bytes() + offset;
    }
    EffectInstance& owner;
};

EffectInstance::EffectInstance(const EffectDescription& effect, size_t component, float rate)
    : effect(effect), hostRate(rate)
{
    if (component >= effect.components.size())
        throw HostError("the effect has no component " + std::to_string(component + 1));
    componentDescription = &effect.components[component];
    try
    {
        buildContext();

        auto createParameters = effect.proc(AAX_eProcPtrID_Create_EffectParameters);
        if (createParameters == nullptr)
            throw HostError("the effect has no parameters object");
        parametersObj = static_cast<AAX_IEffectParameters*>(createParameters());
        if (parametersObj == nullptr)
            throw HostError("the plug-in could not make its parameters object");
        AAX_Result result = parametersObj->Initialize(this);
        if (result != AAX_SUCCESS)
            throw HostError("parameters initialisation failed: " + std::to_string(result));

        int32_t count = 0;
        parametersObj->GetNumberOfParameters(&count);
        for (int32_t i = 0; i < count; ++i)
        {
            AAX_CString id;
            AAX_CString name;
            HostParameter p;
            parametersObj->GetParameterIDFromIndex(i, &id);
            p.id = id.str();
            parametersObj->GetParameterName(p.id.c_str(), &name);
            p.name = name.str();
            parametersObj->GetParameterDefaultNormalizedValue(p.id.c_str(), &p.defaultValue);
            parametersObj->GetParameterNormalizedValue(p.id.c_str(), &p.value);
            parametersObj->GetParameterType(p.id.c_str(), &p.type);
            parametersObj->GetParameterNumberOfSteps(p.id.c_str(), &p.steps);
            parametersObj->GetParameterIsAutomatable(p.id.c_str(), &p.automatable);
            hostParameters.push_back(std::move(p));
        }

        // Private data is initialised by the plug-in before the first block.
        for (Field& f : fields)
        {
            if (f.declaration.kind != FieldKind::PrivateData)
                continue;
            result =
                parametersObj->ResetFieldData(f.declaration.index, f.bytes(), f.declaration.size);
            if (result != AAX_SUCCESS)
                throw HostError("ResetFieldData of field " + std::to_string(f.declaration.index) +
                                " failed: " + std::to_string(result));
        }
        engineReady = true;
        if (componentDescription->instanceInit != nullptr)
            componentDescription->instanceInit(context,
                                               AAX_eComponentInstanceInitAction_AddingNewInstance);

        if (auto createDirect = effect.proc(AAX_eProcPtrID_Create_EffectDirectData))
        {
            directData = static_cast<AAX_IEffectDirectData*>(createDirect());
            if (directData != nullptr)
                directData->Initialize(this);
        }
        access = std::make_unique<DataAccess>(*this);
    }
    catch (...)
    {
        teardown();
        throw;
    }
}

EffectInstance::~EffectInstance()
{
    teardown();
}

void EffectInstance::teardown()
{
    stopTimer();
    if (guiObject != nullptr)
    {
        guiObject->Uninitialize();
        delete guiObject;
        guiObject = nullptr;
    }
    if (directData != nullptr)
    {
        directData->Uninitialize();
        delete directData;
        directData = nullptr;
    }
    if (engineReady && componentDescription->instanceInit != nullptr)
        componentDescription->instanceInit(context,
                                           AAX_eComponentInstanceInitAction_RemovingInstance);
    engineReady = false;
    if (parametersObj != nullptr)
    {
        parametersObj->Uninitialize();
        delete parametersObj;
        parametersObj = nullptr;
    }
}

void EffectInstance::buildContext()
{
    for (const FieldDeclaration& declaration : componentDescription->fields)
    {
        if (declaration.index < 0 || declaration.index >= 32)
            throw HostError("field index out of range: " + std::to_string(declaration.index));
        Field f{declaration, {}};
        // Exactly the declared size: a field overrun is a sanitizer report, not a silent write.
        if (declaration.kind == FieldKind::DataInPort || declaration.kind == FieldKind::PrivateData)
            f.storage.resize(declaration.size);
        fields.push_back(std::move(f));
    }
    for (Field& f : fields)
    {
        void*& slot = context[f.declaration.index];
        switch (f.declaration.kind)
        {
        case FieldKind::AudioIn:
            slot = inputs;
            break;
        case FieldKind::AudioOut:
            slot = outputs;
            break;
        case FieldKind::BufferLength:
            slot = &bufferLength;
            break;
        case FieldKind::SampleRate:
            slot = &contextRate;
            break;
        case FieldKind::Meters:
            meterValues.assign(f.declaration.meterIDs.size(), 0.0f);
            meterArray = meterValues.data();
            slot = &meterArray;
            break;
        case FieldKind::DataInPort:
        case FieldKind::PrivateData:
            slot = f.bytes();
            break;
        }
    }
}

EffectInstance::Field* EffectInstance::field(int32_t index)
{
    for (Field& f : fields)
        if (f.declaration.index == index)
            return &f;
    return nullptr;
}

const uint8_t* EffectInstance::privateData(int32_t index) const
{
    for (const Field& f : fields)
        if (f.declaration.index == index && f.declaration.kind == FieldKind::PrivateData)
            return f.storage.data();
    return nullptr;
}

std::vector<AAX_CTypeID> EffectInstance::chunkIDs() const
{
    std::vector<AAX_CTypeID> ids;
    int32_t count = 0;
    if (parametersObj->GetNumberOfChunks(&count) != AAX_SUCCESS)
        return ids;
    for (int32_t i = 0; i < count && i < 64; ++i)
    {
        AAX_CTypeID id = 0;
        if (parametersObj->GetChunkIDFromIndex(i, &id) == AAX_SUCCESS)
            ids.push_back(id);
    }
    return ids;
}

AAX_Result EffectInstance::PostPacket(AAX_CFieldIndex port, const void* data, uint32_t size)
{
    const Field* f = field(port);
    if (f == nullptr || f->declaration.kind != FieldKind::DataInPort || data == nullptr ||
        size != f->declaration.size)
        return AAX_ERROR_INVALID_FIELD_DATA;
    const auto* bytes = static_cast<const uint8_t*>(data);
    std::lock_guard lock(packetLock);
    packets.emplace_back(port, std::vector<uint8_t>(bytes, bytes + size));
    return AAX_SUCCESS;
}

AAX_Result EffectInstance::GetSampleRate(float* rate)
{
    if (rate == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *rate = hostRate.load();
    return AAX_SUCCESS;
}

AAX_Result EffectInstance::GetSignalLatency(int32_t* samples)
{
    if (samples == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *samples = latency;
    return AAX_SUCCESS;
}

AAX_Result EffectInstance::SetSignalLatency(int32_t samples)
{
    latency = samples;
    ++latencyReports;
    return AAX_SUCCESS;
}

void EffectInstance::render(const float* const* in, float* const* out, int32_t frames)
{
    std::lock_guard lock(renderLock);
    {
        std::lock_guard packetsLock(packetLock);
        for (const auto& [port, bytes] : packets)
            std::memcpy(field(port)->bytes(), bytes.data(), bytes.size());
        packets.clear();
    }
    inputs[0] = const_cast<float*>(in[0]);
    inputs[1] = const_cast<float*>(in[1]);
    outputs[0] = out[0];
    outputs[1] = out[1];
    bufferLength = frames;
    contextRate = hostRate.load();
    void* const instances[1] = {context};
    if (callbackWatch != nullptr)
        callbackWatch(true);
    componentDescription->render(instances, instances + 1);
    if (callbackWatch != nullptr)
        callbackWatch(false);
}

float EffectInstance::meter(size_t index) const
{
    std::lock_guard lock(renderLock);
    return index < meterValues.size() ? meterValues[index] : 0.0f;
}

AAX_Result EffectInstance::setChunk(AAX_CTypeID id, const std::vector<uint8_t>& data)
{
    ChunkBuffer buffer(data.size());
    AAX_SPlugInChunk* chunk = buffer.chunk();
    chunk->fSize = static_cast<int32_t>(data.size());
    chunk->fChunkID = id;
    if (!data.empty())
        std::memcpy(AAX_ChunkData(chunk), data.data(), data.size());
    const AAX_Result result = parametersObj->SetChunk(id, chunk);
    deliverUpdates();
    return result;
}

AAX_Result EffectInstance::getChunk(AAX_CTypeID id, std::vector<uint8_t>& data)
{
    uint32_t size = 0;
    AAX_Result result = parametersObj->GetChunkSize(id, &size);
    if (result != AAX_SUCCESS)
        return result;
    ChunkBuffer buffer(size);
    AAX_SPlugInChunk* chunk = buffer.chunk();
    result = parametersObj->GetChunk(id, chunk);
    if (result != AAX_SUCCESS)
        return result;
    if (chunk->fSize < 0 || static_cast<uint32_t>(chunk->fSize) > size)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    const uint8_t* bytes = AAX_ChunkData(chunk);
    data.assign(bytes, bytes + chunk->fSize);
    return AAX_SUCCESS;
}

AAX_Result EffectInstance::wakeDirectData()
{
    if (directData == nullptr)
        return AAX_SUCCESS;
    return directData->TimerWakeup(access.get());
}

void EffectInstance::startTimer(std::chrono::milliseconds period)
{
    if (timer.running() || directData == nullptr)
        return;
    timer.start(period, [this] { wakeDirectData(); });
}

void EffectInstance::stopTimer()
{
    timer.stop();
}

bool EffectInstance::openGUI()
{
    if (guiObject != nullptr)
        return true;
    auto create = effect.proc(AAX_eProcPtrID_Create_EffectGUI);
    if (create == nullptr)
        return false;
    guiObject = static_cast<AAX_IEffectGUI*>(create());
    if (guiObject == nullptr)
        return false;
    guiObject->Initialize(this);
    return true;
}
