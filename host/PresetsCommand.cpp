#include "PresetsCommand.h"

#include <FactoryPresets.h>
#include <ParameterTable.h>

#include <cstdio>
#include <string>

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
        std::printf("%d  %s\n", index, name);
        std::string line;
        for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
        {
            char display[64];
            getParameterDisplayText(slot, values[slot], display);
            std::string shown = display;
            while (!shown.empty() && shown.back() == ' ')
                shown.pop_back();
            line += (slot == 0 ? "   " : ", ") + std::string(getParameterName(slot)) + " " + shown;
        }
        std::printf("%s\n", line.c_str());
    }
    return 0;
}
