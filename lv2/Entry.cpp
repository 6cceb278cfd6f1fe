#include "ORL_LV2_Plugin.h"
#include "ORL_LV2_UI.h"

#include <WindowManagerAtoms.h>

// The bundle's two exports: the host walks the descriptors from index 0 until it gets null.
extern "C" __attribute__((visibility("default"))) const LV2_Descriptor*
lv2_descriptor(uint32_t index)
{
    return chordwellDescriptor(index);
}

extern "C" __attribute__((visibility("default"))) const LV2UI_Descriptor*
lv2ui_descriptor(uint32_t index)
{
    // A host may put its own window up for ours before our UI runs (JUCE's LV2 hosting asks
    // for the descriptor when it makes the instance, and opens its window later); its toolkit
    // needs the window manager's atoms then, before our toolkit starts with the first UI (the
    // VST 3 module starts its toolkit, and so makes them, in its entry). Without this, JUCE's
    // LV2 hosting on an X server with no window manager ends on BadAtom.
    orl::createWindowManagerAtoms();
    return chordwellUiDescriptor(index);
}
