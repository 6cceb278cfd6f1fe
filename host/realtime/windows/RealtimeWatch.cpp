#include "realtime/RealtimeWatch.h"

// A DLL calls the C library and the system through its own import table, so no definition in
// the executable can stand in for them as it does on Linux: nothing is counted.
namespace realtime
{
void watch(bool) {}

Counts counted()
{
    return {};
}

bool available()
{
    return false;
}

const char* unavailableReason()
{
    return "allocations, locks and system calls cannot be counted on Windows";
}
} // namespace realtime
