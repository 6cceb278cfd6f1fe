#include "FactoryPresets.h"

#include "ParameterTable.h"

#include <cstring>

namespace
{
struct FactoryPreset
{
    const char* name;
    double values[chordwell::kPublicSlotCount];
};

constexpr FactoryPreset kPresets[] = {
    {"Default", {}}, // filled from the slot defaults
    {"Bright", {0.5, 0.25, 0.5, 0.05, 0.5, 0.5, 0.0, 0.0}},
    {"High", {0.5, 0.25, 0.5, 0.1, 0.75, 0.5, 0.0, 0.0}},
    {"Low & Dark", {0.5, 0.25, 0.6, 0.75, 0.25, 0.5, 0.0, 0.0}},
    {"Almost reverb", {0.5, 0.25, 0.75, 0.2, 0.0, 0.5, 0.0, 0.0}},
    {"Detuned", {0.5, 0.25, 0.6, 0.25, 0.5, 0.5, 1.0, 0.0}},
};
constexpr FactoryPreset kInit = {"Init", {0.5, 0.25, 0.25, 0.25, 0.5, 0.5, 0.0, 0.0}};
constexpr uint32_t kNamedCount = sizeof kPresets / sizeof kPresets[0];
} // namespace

void getFactoryPreset(int32_t index, double* values, char* name)
{
    const auto place = static_cast<uint32_t>(index);
    const FactoryPreset& preset = place < kNamedCount ? kPresets[place] : kInit;
    if (values != nullptr)
    {
        for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
            values[slot] = place == 0 ? getParameterDefault(slot) : preset.values[slot];
    }
    if (name != nullptr)
        std::strcpy(name, preset.name);
}
