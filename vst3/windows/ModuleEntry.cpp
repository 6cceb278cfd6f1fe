// The bundle's exported entry points on Windows (listed in exports.def), the only symbols it
// shows its host.

#include "Factory.h"

#include <juce_events/juce_events.h>

namespace
{
int loads = 0;
ChordwellFactory factory;
} // namespace

extern "C"
{
    // Main thread. The host's first InitDll starts the private toolkit on its thread, whose
    // message loop then drives our windows and timers; the last ExitDll shuts it down.
    __declspec(dllexport) bool InitDll()
    {
        if (loads++ == 0)
            juce::initialiseJuce_GUI();
        return true;
    }

    __declspec(dllexport) bool ExitDll()
    {
        if (loads > 0 && --loads == 0)
            juce::shutdownJuce_GUI();
        return true;
    }

    __declspec(dllexport) Steinberg::IPluginFactory* GetPluginFactory()
    {
        return &factory;
    }
}
