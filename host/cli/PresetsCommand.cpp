#include "PresetsCommand.h"

#include "ParameterArgs.h"

#include <FactoryPresets.h>
#include <ParameterTable.h>

#include <cstdio>

void addPresetsOptions(CLI::App& command)
{
    command.footer("Example: chordwell-host render --preset 3 in.wav out.wav");
}

int runPresets()
{
    for (int index = 0; index < 10; ++index)
    {
        double values[chordwell::kPublicSlotCount] = {};
        char name[32] = {};
        getFactoryPreset(index, values, name);
        std::printf("%d  %s\n   %s\n", index, name, slotValuesText(values).c_str());
    }
    return 0;
}
