#include "ParameterTable.h"

#include <ExactMath.h>

#include "NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{
using namespace chordwell;

constexpr const char* kNames[kPublicSlotCount] = {
    "Output", "Mix", "Decay", "Damp", "Transpose", "Tune", "Detune", "Bypass",
};
constexpr const char* kUnits[kPublicSlotCount] = {
    " dB", " %", " %", " %", " st", " cents", " %", " ",
};

struct IdentifierTable
{
    char entries[kSlotCount][32];

    IdentifierTable()
    {
        for (int slot = 0; slot < kSlotCount; ++slot)
        {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%d: %s", slot, getParameterName(slot));
            buffer[31] = '\0';
            std::memcpy(entries[slot], buffer, sizeof buffer);
        }
    }
};

const IdentifierTable& identifiers()
{
    static const IdentifierTable table;
    return table;
}

// Built when the library loads, before any host call, as hosts expect the identifiers ready.
[[maybe_unused]] const IdentifierTable& builtAtLoad = identifiers();
} // namespace

const char* getParameterName(int slot)
{
    return slot >= 0 && slot < kPublicSlotCount ? kNames[slot] : " ";
}

void getParameterValueText(int slot, double value, char* text)
{
    switch (slot)
    {
    case 0:
        if (value > 0.00001)
            formatNumber(static_cast<float>(20.0 * exactmath::log10(value * value * 4.0)), 1, text);
        else
            std::strcpy(text, "-oo");
        break;
    case 1:
    case 2:
    case 3:
    case 6:
        formatNumber(static_cast<float>(value * 100.0), 1, text);
        break;
    case 4:
        formatNumber(static_cast<float>(static_cast<int>(std::trunc((value - 0.5) * 48.0))), 0,
                     text);
        break;
    case 5:
        formatNumber(static_cast<float>((value - 0.5) * 200.0), 1, text);
        break;
    case 7:
        std::strcpy(text, value == 0.0 ? "process" : "bypassed");
        break;
    default:
        std::strcpy(text, " ");
        break;
    }
}

void getParameterUnitText(char* text, int slot)
{
    std::strcpy(text, slot >= 0 && slot < kPublicSlotCount ? kUnits[slot] : "");
}

void getParameterDisplayText(int slot, double value, char* text)
{
    char unit[16];
    text[0] = '\0';
    getParameterValueText(slot, value, text);
    getParameterUnitText(unit, slot);
    std::strcat(text, unit);
}

double getParameterDefault(int slot)
{
    switch (slot)
    {
    case 0:
    case 4:
    case 5:
        return 0.5;
    case 1:
    case 2:
    case 3:
        return 0.25;
    default:
        return 0.0;
    }
}

int getParameterFlags(int slot)
{
    switch (slot)
    {
    case 0:
    case 1:
    case 7:
        return kFlagHostParameter | kFlagSharedByPresets | kFlagReportedToPresets;
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        return kFlagHostParameter | kFlagReportedToPresets;
    default:
        return 0;
    }
}

const char* getParameterIdentifier(int slot)
{
    return slot >= 0 && slot < kSlotCount ? identifiers().entries[slot] : nullptr;
}

int findParameterSlot(const char* identifier)
{
    if (identifier == nullptr)
        return -1;
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (std::strcmp(identifiers().entries[slot], identifier) == 0)
            return slot;
    return -1;
}
