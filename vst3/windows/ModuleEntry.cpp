// The bundle's exported entry points on Windows (listed in exports.def), the only symbols it
// shows its host.

#include "Factory.h"

#include <PrivateToolkit.h>

namespace
{
ChordwellFactory factory;
} // namespace

extern "C"
{
    // Main thread. The host's first InitDll starts the private toolkit on its thread, whose
    // message loop then drives our windows and timers; the last ExitDll shuts it down.
    __declspec(dllexport) bool InitDll()
    {
        orl::startPrivateToolkit();
        return true;
    }

    __declspec(dllexport) bool ExitDll()
    {
        orl::stopPrivateToolkit();
        return true;
    }

    __declspec(dllexport) Steinberg::IPluginFactory* GetPluginFactory()
    {
        return &factory;
    }
}
