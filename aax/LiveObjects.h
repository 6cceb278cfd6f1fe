#pragma once

#include <cstdint>

// Counts the plug-in objects the host holds (parameters, GUI, direct data) so the host
// can ask whether the library may be unloaded. Any thread; the count changes atomically.
class LiveObject
{
  public:
    LiveObject();
    LiveObject(const LiveObject&);
    LiveObject& operator=(const LiveObject&) = default;
    ~LiveObject();

    static int32_t count();
};
