// The bundle's exported entry points, the only symbols it shows its host.

#include "Factory.h"

#include <WindowManagerAtoms.h>
#include <juce_events/juce_events.h>

namespace
{
int loads = 0;
ChordwellFactory factory;
} // namespace

extern "C"
{
    // Main thread. Each load starts the private toolkit once; the last unload shuts it down.
    __attribute__((visibility("default"))) bool ModuleEntry(void*)
    {
        if (loads++ == 0)
            juce::initialiseJuce_GUI();
        // Before the host opens a window for us: its toolkit may need the atoms as well.
        orl::createWindowManagerAtoms();
        return true;
    }

    __attribute__((visibility("default"))) bool ModuleExit()
    {
        if (loads > 0 && --loads == 0)
            juce::shutdownJuce_GUI();
        return true;
    }

    __attribute__((visibility("default"))) Steinberg::IPluginFactory* GetPluginFactory()
    {
        return &factory;
    }
}
