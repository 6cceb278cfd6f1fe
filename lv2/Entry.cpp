#include "ORL_LV2_Plugin.h"

// The bundle's one export: the host walks the descriptors from index 0 until it gets null.
extern "C" __attribute__((visibility("default"))) const LV2_Descriptor*
lv2_descriptor(uint32_t index)
{
    return chordwellDescriptor(index);
}
