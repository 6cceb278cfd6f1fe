#pragma once

#include <pluginterfaces/base/funknown.h>

// A host's object on a test's stack: it offers no other interface and is never counted or freed.
template <class Interface> struct HostObject : Interface
{
    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID, void** obj) override
    {
        *obj = nullptr;
        return Steinberg::kNoInterface;
    }
    Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
    Steinberg::uint32 PLUGIN_API release() override { return 1; }
};
