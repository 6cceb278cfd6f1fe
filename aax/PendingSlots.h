#pragma once

#include <ParameterTable.h>

#include <atomic>
#include <cstdint>

// Internal slot values on their way from the main thread to the host's timer thread, which
// puts them into the render callback's private data. Each entry is handed over by an atomic
// exchange, so a value is taken exactly once or replaced by a newer one before it is taken; no
// lock on either side. -1.0 means nothing pending.
class PendingSlots
{
  public:
    static constexpr int kCount = chordwell::kSlotCount;

    PendingSlots();
    // Main thread. slot 8-16; other slots are ignored.
    void store(int32_t slot, double value);
    // Hand-over thread. false when nothing was stored since the last take; otherwise fills all
    // 17 entries (-1.0 for those without a value) and marks them taken.
    bool take(double* out);

  private:
    std::atomic<double> values[kCount];
    std::atomic<bool> flag{false};
};
