#include "PendingSlots.h"

PendingSlots::PendingSlots()
{
    for (auto& value : values)
        value.store(-1.0, std::memory_order_relaxed);
}

void PendingSlots::store(int32_t slot, double value)
{
    if (slot < chordwell::kPublicSlotCount || slot >= kCount)
        return;
    values[slot].store(value, std::memory_order_relaxed);
    // The flag is raised after the value, so whoever sees it also sees the value.
    flag.store(true, std::memory_order_release);
}

bool PendingSlots::take(double* out)
{
    if (!flag.exchange(false, std::memory_order_acq_rel))
        return false;
    for (int slot = 0; slot < kCount; ++slot)
        out[slot] = slot < chordwell::kPublicSlotCount
                        ? -1.0
                        : values[slot].exchange(-1.0, std::memory_order_acq_rel);
    return true;
}
