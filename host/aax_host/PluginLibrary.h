#pragma once

#include "HostObject.h"
#include "PluginDescription.h"

#include <memory>
#include <stdexcept>
#include <string>

// A failure to load or register a plug-in, or to build an instance of it.
class HostError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

// A plug-in library loaded by the system's loader (dlopen, LoadLibrary): its nine entry points,
// ACFStartup and ACFRegisterPlugin at load, ACFShutdown and unloading at the end. Main thread.
class PluginLibrary
{
  public:
    // Throws HostError naming the library, the missing entry point or the failing result.
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    const PluginDescription& description() const { return host.recorder().description(); }
    // The first effect; throws HostError when the plug-in described none.
    const EffectDescription& effect() const;
    // The plug-in's count of its live objects (0: it may be unloaded).
    int32_t canUnloadNow() const;
    uint64_t sdkVersion() const;

  private:
    using Entry = AAX_Result (*)(IACFUnknown*);
    using Register = AAX_Result (*)(IACFUnknown*, IACFUnknown**);
    using Version = AAX_Result (*)(uint64_t*);

    void* handle = nullptr;
    mutable HostObject host;
    Entry startup = nullptr;
    Entry shutdown = nullptr;
    Entry canUnload = nullptr;
    Register registerPlugin = nullptr;
    Version getVersion = nullptr;
};

// The plug-in library a command loads: the chosen path, or, when none was chosen, the library
// built beside the running executable (ORLChordwell.so, ORLChordwell.dll on Windows), else the
// one an installation put in its library folder (Linux: ../lib/orl-chordwell from the
// executable's folder).
std::string pluginPath(const std::string& chosen);

// The --plugin option's help, naming the default library. Any thread.
std::string pluginOptionHelp();
