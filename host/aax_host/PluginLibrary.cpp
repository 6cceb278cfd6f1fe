#include "PluginLibrary.h"

#include "SharedLibrary.h"

#include <filesystem>
#include <string>

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
    std::string reason;
    handle = sharedlibrary::open(path, reason);
    if (handle == nullptr)
        throw HostError("cannot load plug-in library '" + path + "': " + reason);
    std::string missing;
    for (const char* name : kEntryPoints)
        if (sharedlibrary::find(handle, name) == nullptr)
            missing += (missing.empty() ? "" : ", ") + std::string(name);
    if (!missing.empty())
    {
        sharedlibrary::close(handle);
        throw HostError("'" + path + "' is not an AAX plug-in: no entry point " + missing);
    }
    startup = reinterpret_cast<Entry>(sharedlibrary::find(handle, "ACFStartup"));
    shutdown = reinterpret_cast<Entry>(sharedlibrary::find(handle, "ACFShutdown"));
    canUnload = reinterpret_cast<Entry>(sharedlibrary::find(handle, "ACFCanUnloadNow"));
    registerPlugin = reinterpret_cast<Register>(sharedlibrary::find(handle, "ACFRegisterPlugin"));
    getVersion = reinterpret_cast<Version>(sharedlibrary::find(handle, "ACFGetSDKVersion"));

    AAX_Result result = startup(&host);
    if (result == AAX_SUCCESS)
    {
        IACFUnknown* definition = nullptr;
        result = registerPlugin(&host, &definition);
        if (result != AAX_SUCCESS)
        {
            shutdown(&host);
            sharedlibrary::close(handle);
            throw HostError("ACFRegisterPlugin of '" + path + "' failed: " + resultText(result));
        }
        return;
    }
    sharedlibrary::close(handle);
    throw HostError("ACFStartup of '" + path + "' failed: " + resultText(result));
}

PluginLibrary::~PluginLibrary()
{
    shutdown(&host);
    sharedlibrary::close(handle);
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
    // The build tree keeps the library beside the executable; an installed host finds it in
    // the installation's library folder, wherever the installation's prefix is.
    const std::string beside = sharedlibrary::besideExecutable(sharedlibrary::kPluginFileName);
    if (*sharedlibrary::kInstalledPluginFolder == 0 || std::filesystem::exists(beside))
        return beside;
    const std::string installed = sharedlibrary::besideExecutable(
        std::string(sharedlibrary::kInstalledPluginFolder) + "/" + sharedlibrary::kPluginFileName);
    return std::filesystem::exists(installed)
               ? std::filesystem::path(installed).lexically_normal().string()
               : beside;
}

std::string pluginOptionHelp()
{
    std::string help = std::string("plug-in library (default: ") + sharedlibrary::kPluginFileName +
                       " beside chordwell-host";
    if (*sharedlibrary::kInstalledPluginFolder != 0)
        help +=
            std::string(", else in ") + sharedlibrary::kInstalledPluginFolder + " from its folder";
    return help + ")";
}
