// A deliberately broken plug-in for the validator's own tests: it loads the real plug-in and
// passes its nine entry points on, wrapping the render callback and the parameters object it
// hands out, and breaks one thing named by ORL_BROKEN_PLUGIN:
//   nan        a NaN in every output block          loud       every output sample 1000
//   allocation an allocation in the render callback  lock       a mutex locked there
//   syscall    a sleep there                         roundtrip  restored chunks are ignored
//   refused    a refused chunk changes Decay all the same
// Unset, it breaks nothing. Host's threads, as the real plug-in.
#include <AAX_IEffectParameters.h>
#include <AAX_VDescription.h>
#include <IACFUnknown.h>

#include <dlfcn.h>
#include <pthread.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#define BROKEN_EXPORT extern "C" __attribute__((visibility("default")))

namespace
{
const char* const kFault = std::getenv("ORL_BROKEN_PLUGIN");
bool fault(const char* name)
{
    return kFault != nullptr && std::strcmp(kFault, name) == 0;
}

template <typename F> F real(const char* name)
{
    static void* const library = dlopen(ORL_REAL_PLUGIN, RTLD_NOW | RTLD_LOCAL);
    return library != nullptr ? reinterpret_cast<F>(dlsym(library, name)) : nullptr;
}

// --- the render callback -------------------------------------------------------------------
struct Component
{
    AAX_CProcessProc render = nullptr;
    AAX_CFieldIndex outputs = -1;
    AAX_CFieldIndex length = -1;
};
Component components[4];
size_t componentCount = 0;
pthread_mutex_t mutex = PTHREAD_MUTEX_INITIALIZER;

template <size_t N> void renderBroken(void* const begin[], const void* end)
{
    const Component& c = components[N];
    // A broken output replaces the engine's, which would only cost the validator time.
    const bool replaced = fault("nan") || fault("loud");
    if (!replaced)
        c.render(begin, end);
    if (fault("allocation"))
        ::operator delete(::operator new(16));
    else if (fault("lock"))
    {
        pthread_mutex_lock(&mutex);
        pthread_mutex_unlock(&mutex);
    }
    else if (fault("syscall"))
        ::usleep(0);
    for (void* const* p = begin; p != static_cast<void* const*>(end); ++p)
    {
        void* const* context = static_cast<void* const*>(*p);
        float* const* outs = static_cast<float* const*>(context[c.outputs]);
        const int32_t frames = *static_cast<const int32_t*>(context[c.length]);
        for (int32_t i = 0; replaced && i < frames; ++i)
            outs[0][i] = fault("loud") ? 1000.0f : i == frames / 2 ? NAN : 0.0f;
    }
}
constexpr AAX_CProcessProc kRenderers[4] = {renderBroken<0>, renderBroken<1>, renderBroken<2>,
                                            renderBroken<3>};

// --- the parameters object -----------------------------------------------------------------
// Passes one call on to the real object `to`.
#define PASS_ON(to, name, params, args, ...)                                                       \
    AAX_Result name params __VA_ARGS__ override                                                    \
    {                                                                                              \
        return to->name args;                                                                      \
    }

class BrokenParameters final : public AAX_IEffectParameters
{
  public:
    explicit BrokenParameters(AAX_IEffectParameters* inner) : in(inner) {}
    ~BrokenParameters() override { delete in; }
    PASS_ON(in, Initialize, (AAX_IController * c), (c))
    PASS_ON(in, Uninitialize, (), ())
    PASS_ON(in, GetNumberOfParameters, (int32_t * n), (n), const)
    PASS_ON(in, GetParameterIDFromIndex, (int32_t i, AAX_IString* id), (i, id), const)
    PASS_ON(in, GetParameterName, (AAX_CParamID id, AAX_IString* n), (id, n), const)
    PASS_ON(in, GetParameterNumberOfSteps, (AAX_CParamID id, int32_t* s), (id, s), const)
    PASS_ON(in, GetParameterType, (AAX_CParamID id, int32_t* t), (id, t), const)
    PASS_ON(in, GetParameterIsAutomatable, (AAX_CParamID id, bool* a), (id, a), const)
    PASS_ON(in, GetParameterDefaultNormalizedValue, (AAX_CParamID id, double* v), (id, v), const)
    PASS_ON(in, GetParameterNormalizedValue, (AAX_CParamID id, double* v), (id, v), const)
    PASS_ON(in, GetParameterValueString, (AAX_CParamID id, AAX_IString* t, int32_t n), (id, t, n),
            const)
    PASS_ON(in, GetParameterStringFromValue, (AAX_CParamID id, double v, AAX_IString* t, int32_t n),
            (id, v, t, n), const)
    PASS_ON(in, UpdateParameterNormalizedValue, (AAX_CParamID id, double v, int32_t s), (id, v, s))
    PASS_ON(in, ResetFieldData, (AAX_CFieldIndex f, void* d, uint32_t s), (f, d, s), const)
    PASS_ON(in, GetNumberOfChunks, (int32_t * n), (n), const)
    PASS_ON(in, GetChunkIDFromIndex, (int32_t i, AAX_CTypeID* id), (i, id), const)
    PASS_ON(in, GetChunkSize, (AAX_CTypeID id, uint32_t* s), (id, s), const)
    PASS_ON(in, GetChunk, (AAX_CTypeID id, AAX_SPlugInChunk* c), (id, c), const)
    AAX_Result SetChunk(AAX_CTypeID id, const AAX_SPlugInChunk* c) override
    {
        if (fault("roundtrip"))
            return AAX_SUCCESS;
        const AAX_Result result = in->SetChunk(id, c);
        if (fault("refused") && result != AAX_SUCCESS)
        {
            double decay = 0.0;
            in->GetParameterNormalizedValue("2: Decay", &decay);
            in->UpdateParameterNormalizedValue("2: Decay", decay < 0.5 ? 0.9 : 0.1, 0);
        }
        return result;
    }

  private:
    AAX_IEffectParameters* in;
};

AAX_CCreateProc createRealParameters = nullptr;
void* createParameters()
{
    auto* inner = static_cast<AAX_IEffectParameters*>(createRealParameters());
    return inner != nullptr ? static_cast<AAX_IEffectParameters*>(new BrokenParameters(inner))
                            : nullptr;
}

// --- the host's description objects, seen through ours ------------------------------------
class ComponentSeen final : public AAX_VComponentDescriptor
{
  public:
    explicit ComponentSeen(AAX_VComponentDescriptor* r) : host(r) {}
    AAX_VComponentDescriptor* host;
    Component seen;
    PASS_ON(host, AddAudioIn, (AAX_CFieldIndex f), (f))
    AAX_Result AddAudioOut(AAX_CFieldIndex f) override
    {
        seen.outputs = f;
        return host->AddAudioOut(f);
    }
    AAX_Result AddAudioBufferLength(AAX_CFieldIndex f) override
    {
        seen.length = f;
        return host->AddAudioBufferLength(f);
    }
    PASS_ON(host, AddSampleRate, (AAX_CFieldIndex f), (f))
    PASS_ON(host, AddMeters, (AAX_CFieldIndex f, const AAX_CTypeID* ids, uint32_t n), (f, ids, n))
    PASS_ON(host, AddDataInPort, (AAX_CFieldIndex f, uint32_t size, int32_t type), (f, size, type))
    PASS_ON(host, AddPrivateData, (AAX_CFieldIndex f, int32_t size, uint32_t o), (f, size, o))
    AAX_VPropertyMap* NewPropertyMap() override { return host->NewPropertyMap(); }
    AAX_Result AddProcessProc_Native(AAX_CProcessProc proc, AAX_VPropertyMap* properties,
                                     AAX_CInstanceInitProc init, AAX_CBackgroundProc background,
                                     AAX_CTypeID* id) override
    {
        if (componentCount == std::size(components))
            return -1;
        seen.render = proc;
        components[componentCount] = seen;
        return host->AddProcessProc_Native(kRenderers[componentCount++], properties, init,
                                           background, id);
    }
};

class EffectSeen final : public AAX_VEffectDescriptor
{
  public:
    explicit EffectSeen(AAX_VEffectDescriptor* r) : host(r) {}
    AAX_VEffectDescriptor* host;
    std::vector<std::unique_ptr<ComponentSeen>> made;
    AAX_VComponentDescriptor* NewComponentDescriptor() override
    {
        AAX_VComponentDescriptor* c = host->NewComponentDescriptor();
        if (c == nullptr)
            return nullptr;
        made.push_back(std::make_unique<ComponentSeen>(c));
        return made.back().get();
    }
    AAX_Result AddComponent(AAX_VComponentDescriptor* c) override
    {
        return host->AddComponent(static_cast<ComponentSeen*>(c)->host);
    }
    PASS_ON(host, AddName, (const char* name), (name))
    PASS_ON(host, AddCategory, (uint32_t category), (category))
    AAX_Result AddProcPtr(AAX_CCreateProc proc, int32_t selector) override
    {
        if (selector != AAX_eProcPtrID_Create_EffectParameters)
            return host->AddProcPtr(proc, selector);
        createRealParameters = proc;
        return host->AddProcPtr(createParameters, selector);
    }
    AAX_VPropertyMap* NewPropertyMap() override { return host->NewPropertyMap(); }
    PASS_ON(host, AddResourceInfo, (int32_t type, const char* file), (type, file))
    PASS_ON(host, AddMeterDescription, (AAX_CTypeID id, const char* name, AAX_VPropertyMap* p),
            (id, name, p))
};

class CollectionSeen final : public AAX_IACFCollection
{
  public:
    AAX_IACFCollection* host = nullptr;
    std::vector<std::unique_ptr<EffectSeen>> made;
    AAX_VEffectDescriptor* NewDescriptor() override
    {
        AAX_VEffectDescriptor* e = host->NewDescriptor();
        if (e == nullptr)
            return nullptr;
        made.push_back(std::make_unique<EffectSeen>(e));
        return made.back().get();
    }
    AAX_Result AddEffect(const char* id, AAX_VEffectDescriptor* e) override
    {
        return host->AddEffect(id, static_cast<EffectSeen*>(e)->host);
    }
    PASS_ON(host, SetManufacturerName, (const char* n), (n))
    PASS_ON(host, AddPackageName, (const char* n), (n))
    PASS_ON(host, SetPackageVersion, (uint32_t v), (v))
};

class HostSeen final : public IACFUnknown
{
  public:
    IACFUnknown* host = nullptr;
    CollectionSeen collection;
    AAX_Result QueryInterface(const acfIID& iid, void** out) override
    {
        const AAX_Result result = host->QueryInterface(iid, out);
        if (result != AAX_SUCCESS || !(iid == IID_IAAXCollection) || *out == nullptr)
            return result;
        collection.host = static_cast<AAX_IACFCollection*>(*out);
        *out = static_cast<AAX_IACFCollection*>(&collection);
        return AAX_SUCCESS;
    }
};
HostSeen hostSeen;
} // namespace

BROKEN_EXPORT AAX_Result ACFRegisterPlugin(IACFUnknown* host, IACFUnknown** definition)
{
    hostSeen.host = host;
    return real<AAX_Result (*)(IACFUnknown*, IACFUnknown**)>("ACFRegisterPlugin")(&hostSeen,
                                                                                  definition);
}
// The entry points passed on unchanged.
#define PASS_EXPORT(R, name, params, args)                                                         \
    BROKEN_EXPORT R name params                                                                    \
    {                                                                                              \
        return real<R(*) params>(#name) args;                                                      \
    }
PASS_EXPORT(AAX_Result, ACFRegisterComponent, (IACFUnknown * h, uint32_t i, IACFUnknown** o),
            (h, i, o))
PASS_EXPORT(AAX_Result, ACFGetClassFactory,
            (IACFUnknown * h, const acfIID* a, const acfIID* b, void** o), (h, a, b, o))
PASS_EXPORT(AAX_Result, ACFCanUnloadNow, (IACFUnknown * h), (h))
PASS_EXPORT(AAX_Result, ACFShutdown, (IACFUnknown * h), (h))
PASS_EXPORT(AAX_Result, ACFGetSDKVersion, (uint64_t * v), (v))
PASS_EXPORT(bool, InitDll, (), ())
PASS_EXPORT(bool, ExitDll, (), ())
BROKEN_EXPORT AAX_Result ACFStartup(IACFUnknown* host)
{
    const auto startup = real<AAX_Result (*)(IACFUnknown*)>("ACFStartup");
    return startup != nullptr ? startup(host) : AAX_ERROR_NULL_OBJECT;
}
