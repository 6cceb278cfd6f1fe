#include "LiveObjects.h"

#include <atomic>

namespace
{
std::atomic<int32_t> liveObjects{0};
}

LiveObject::LiveObject()
{
    liveObjects.fetch_add(1, std::memory_order_relaxed);
}

LiveObject::LiveObject(const LiveObject&)
{
    liveObjects.fetch_add(1, std::memory_order_relaxed);
}

LiveObject::~LiveObject()
{
    liveObjects.fetch_sub(1, std::memory_order_acq_rel);
}

int32_t LiveObject::count()
{
    return liveObjects.load(std::memory_order_acquire);
}
