// The bundle's exported entry points, the only symbols it shows its host.

#include "Factory.h"

#include <PrivateToolkit.h>

namespace
{
ChordwellFactory factory;
} // namespace

extern "C"
{
    // Main thread. The first load starts the private toolkit (and makes the window manager's
    // atoms before the host opens a window for us: its toolkit may need them as well); the
    // last unload shuts it down.
    __attribute__((visibility("default"))) bool ModuleEntry(void*)
    {
        orl::startPrivateToolkit();
        return true;
    }

    __attribute__((visibility("default"))) bool ModuleExit()
    {
        orl::stopPrivateToolkit();
        return true;
    }

    __attribute__((visibility("default"))) Steinberg::IPluginFactory* GetPluginFactory()
    {
        return &factory;
    }
}
