#include "PluginLibrary.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <string>
#include <vector>

namespace
{
constexpr const char* kEntryPoints[] = {
    "ACFRegisterPlugin", "ACFRegisterComponent", "ACFGetClassFactory", "ACFCanUnloadNow",
    "ACFStartup",        "ACFShutdown",          "ACFGetSDKVersion",   "InitDll",
    "ExitDll",
};

std::string resultText(AAX_Result result)
{
    return std::to_string(result) + " (" + AAX_ResultName(result) + ")";
}
} // namespace

PluginLibrary::PluginLibrary(const std::string& path)
{
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
    {
        const char* reason = dlerror();
        throw HostError("cannot load plug-in library '" + path +
                        "': " + (reason != nullptr ? reason : "unknown reason"));
    }
    std::string missing;
    for (const char* name : kEntryPoints)
        if (dlsym(handle, name) == nullptr)
            missing += (missing.empty() ? "" : ", ") + std::string(name);
    if (!missing.empty())
    {
        dlclose(handle);
        throw HostError("'" + path + "' is not an AAX plug-in: no entry point " + missing);
    }
    startup = reinterpret_cast<Entry>(dlsym(handle, "ACFStartup"));
    shutdown = reinterpret_cast<Entry>(dlsym(handle, "ACFShutdown"));
    canUnload = reinterpret_cast<Entry>(dlsym(handle, "ACFCanUnloadNow"));
    registerPlugin = reinterpret_cast<Register>(dlsym(handle, "ACFRegisterPlugin"));
    getVersion = reinterpret_cast<Version>(dlsym(handle, "ACFGetSDKVersion"));

    AAX_Result result = startup(&host);
    if (result == AAX_SUCCESS)
    {
        IACFUnknown* definition = nullptr;
        result = registerPlugin(&host, &definition);
        if (result != AAX_SUCCESS)
        {
            shutdown(&host);
            dlclose(handle);
            throw HostError("ACFRegisterPlugin of '" + path + "' failed: " + resultText(result));
        }
        return;
    }
    dlclose(handle);
    throw HostError("ACFStartup of '" + path + "' failed: " + resultText(result));
}

PluginLibrary::~PluginLibrary()
{
    shutdown(&host);
    dlclose(handle);
}

const EffectDescription& PluginLibrary::effect() const
{
    if (description().effects.empty())
        throw HostError("the plug-in describes no effect");
    return description().effects.front();
}

int32_t PluginLibrary::canUnloadNow() const
{
    return canUnload(&host);
}

uint64_t PluginLibrary::sdkVersion() const
{
    uint64_t version = 0;
    getVersion(&version);
    return version;
}

std::string pluginPath(const std::string& chosen)
{
    if (!chosen.empty())
        return chosen;
    std::vector<char> buffer(PATH_MAX + 1, '\0');
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), PATH_MAX);
    std::string self = length > 0 ? std::string(buffer.data(), static_cast<size_t>(length)) : "";
    const size_t slash = self.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : self.substr(0, slash);
    return folder + "/ORLChordwell.so";
}
