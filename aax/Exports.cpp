// The library's nine exported entry points; nothing else leaves the library. No exception
// leaves an export.

#include "Description.h"
#include "LiveObjects.h"

#include <AAX_CHostServices.h>
#include <AAX_VCollection.h>
#include <HintsFlag.h>

#define ORL_EXPORT extern "C" __attribute__((visibility("default")))

namespace
{
// Made by ACFStartup, destroyed by ACFShutdown. Main thread.
AAX_CHostServices* hostServices = nullptr;

// The hints flag is read once when the library is loaded, before any instance exists.
const bool hintsFlagLoaded = []
{
    loadHintsFlag();
    return true;
}();
} // namespace

ORL_EXPORT AAX_Result ACFRegisterPlugin(IACFUnknown* host, IACFUnknown** outDefinition)
{
    try
    {
        AAX_VCollection collection(host);
        AAX_Result result = ORL_DescribeEffects(collection);
        if (result == AAX_SUCCESS)
        {
            void* definition = nullptr;
            IACFUnknown* hostObject = collection.GetHostObject();
            if (hostObject == nullptr ||
                hostObject->QueryInterface(IID_IACFPluginDefinition, &definition) != AAX_SUCCESS)
                result = AAX_ERROR_NULL_OBJECT;
            if (outDefinition != nullptr)
                *outDefinition = static_cast<IACFUnknown*>(definition);
        }
        return result;
    }
    catch (...)
    {
        return AAX_ERROR_UNEXPECTED;
    }
}

ORL_EXPORT AAX_Result ACFRegisterComponent(IACFUnknown*, uint32_t, IACFUnknown** outComponent)
{
    if (outComponent != nullptr)
        *outComponent = nullptr;
    return AAX_SUCCESS;
}

ORL_EXPORT AAX_Result ACFGetClassFactory(IACFUnknown*, const acfIID*, const acfIID*,
                                         void** outFactory)
{
    if (outFactory != nullptr)
        *outFactory = nullptr;
    return AAX_ERROR_UNIMPLEMENTED;
}

ORL_EXPORT AAX_Result ACFCanUnloadNow(IACFUnknown*)
{
    return LiveObject::count();
}

ORL_EXPORT AAX_Result ACFStartup(IACFUnknown* host)
{
    try
    {
        if (host != nullptr && hostServices == nullptr)
        {
            hostServices = new AAX_CHostServices(host);
        }
        else if (host == nullptr && hostServices != nullptr)
        {
            delete hostServices;
            hostServices = nullptr;
        }
        return AAX_SUCCESS;
    }
    catch (...)
    {
        return AAX_ERROR_UNEXPECTED;
    }
}

ORL_EXPORT AAX_Result ACFShutdown(IACFUnknown*)
{
    try
    {
        delete hostServices;
        hostServices = nullptr;
        return AAX_SUCCESS;
    }
    catch (...)
    {
        return AAX_ERROR_UNEXPECTED;
    }
}

ORL_EXPORT AAX_Result ACFGetSDKVersion(uint64_t* outVersion)
{
    if (outVersion != nullptr)
        *outVersion = AAX_SDK_VERSION;
    return AAX_SUCCESS;
}

// InitDll and ExitDll are one function.
ORL_EXPORT bool InitDll()
{
    return true;
}
ORL_EXPORT bool ExitDll() __attribute__((alias("InitDll")));
