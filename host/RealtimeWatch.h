#pragma once

#include <cstdint>

// What a render callback must never do, counted as lv2lint and pluginval count it: the
// executable defines the allocation operators, the lock calls and the common blocking system
// calls itself (exported, so a loaded plug-in's calls land here too), counts them on a thread
// while it is armed and passes every call on. Unarmed threads pay one thread-local test.
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
// False where a sanitizer owns these calls and the counts would not be complete.
bool available();
} // namespace realtime
