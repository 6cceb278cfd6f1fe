// The library's nine exported entry points; nothing else leaves the library. No exception
// leaves an export.

#include "Description.h"
#include "LiveObjects.h"

#include <AAX_CHostServices.h>
#include <AAX_VCollection.h>
#include <HintsFlag.h>

#ifdef _WIN32
#include <PrivateToolkit.h>
#define ORL_EXPORT extern "C" __declspec(dllexport)
#else
#define ORL_EXPORT extern "C" __attribute__((visibility("default")))
#endif

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
#ifdef _WIN32
            // The library carries its own toolkit on Windows; the host's message loop drives
            // it once it knows the host's main thread.
            orl::startPrivateToolkit();
#endif
        }
        else if (host == nullptr && hostServices != nullptr)
        {
            delete hostServices;
            hostServices = nullptr;
#ifdef _WIN32
            orl::stopPrivateToolkit();
#endif
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
#ifdef _WIN32
        if (hostServices != nullptr)
            orl::stopPrivateToolkit();
#endif
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

// InitDll and ExitDll are one function (on Windows the definition file exports it twice).
ORL_EXPORT bool InitDll()
{
    return true;
}
#ifndef _WIN32
ORL_EXPORT bool ExitDll() __attribute__((alias("InitDll")));
#endif
