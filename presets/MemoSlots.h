#pragma once

#include "PresetBank.h"

#include <cstdint>

// The preset bar's two memo slots "MemoA" and "MemoB": a preset image of the current preset
// kept in the user's settings, recallable in any instance. Main thread.

enum class MemoSlot
{
    A,
    B,
};

// Main thread. Stores the current preset (name and all eight values); returns the store's
// status.
int32_t storeMemo(MemoSlot slot, const PresetBank& bank);

// Main thread. Lays the stored image onto the current preset's working values only: nothing is
// committed, so COMPARE still reaches the state from before. An empty slot, a value too short,
// of another code or holding a bank, or a refused image changes nothing.
LoadResult recallMemo(MemoSlot slot, PresetBank& bank);
