#include "PresetRecord.h"

#include <cstring>

void setPresetName(PresetRecord& record, const char* text)
{
    std::memset(record.name, 0, sizeof record.name);
    if (text != nullptr)
        std::strncpy(record.name, text, sizeof record.name - 1);
}
