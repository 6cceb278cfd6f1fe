#pragma once

#include <cstdint>

// One preset: a NUL-terminated name of at most 23 characters and the eight normalized values
// of public slots 0-7. Plain data; any thread.
struct PresetRecord
{
    static constexpr int kNameSize = 24;
    static constexpr int kValueCount = 8;

    char name[kNameSize] = {};
    float values[kValueCount] = {};
};

// Copies text into the name field, cut to 23 characters; the rest of the field is zeroed so
// equal names give equal bytes.
void setPresetName(PresetRecord& record, const char* text);
