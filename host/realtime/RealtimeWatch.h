#pragma once

#include <cstdint>

// What a render callback must never do, counted as lv2lint and pluginval count it: the
// executable that links this defines the allocator (the C allocator, or the C++ operators
// where AddressSanitizer owns the C one), the lock calls and the common blocking system calls
// itself (exported, so a loaded plug-in's calls land here too), counts them on a thread while
// it is armed and passes every call on. Unarmed threads pay one thread-local test. Nothing is
// replaced under ThreadSanitizer, which must see every lock, nor on Windows, whose loader gives
// a plug-in its own imports of the C library and the system: nothing there can be counted.
namespace realtime
{
struct Counts
{
    uint64_t allocations = 0;
    uint64_t locks = 0;
    uint64_t systemCalls = 0;
};

// Audio thread: arms or disarms counting on the calling thread.
void watch(bool armed);
// Any thread: what armed threads counted so far.
Counts counted();
// False where nothing is counted (ThreadSanitizer builds, Windows).
bool available();
// Any thread: why nothing is counted, for a report; empty where available.
const char* unavailableReason();
} // namespace realtime
