#pragma once

#include <cstdint>

// Fills values (eight doubles, slots 0-7) and name (at least 14 bytes, NUL-terminated) with
// factory preset `index`; any index outside 0-5, negative ones included, gives "Init".
// Either pointer may be null. Stateless; any thread.
void getFactoryPreset(int32_t index, double* values, char* name);
