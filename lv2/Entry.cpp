#include "ORL_LV2_Plugin.h"
#include "ORL_LV2_UI.h"

// The bundle's two exports: the host walks the descriptors from index 0 until it gets null.
extern "C" __attribute__((visibility("default"))) const LV2_Descriptor*
lv2_descriptor(uint32_t index)
{
    return chordwellDescriptor(index);
}

extern "C" __attribute__((visibility("default"))) const LV2UI_Descriptor*
lv2ui_descriptor(uint32_t index)
{
    return chordwellUiDescriptor(index);
}
