#pragma once

#include "DescriptionRecorder.h"

#include <AAX_IHostInterfaces.h>
#include <IACFUnknown.h>

// The host object handed to the plug-in's entry points: answers for the description
// collection, the plug-in definition and the host services. Main thread.
class HostObject final : public IACFUnknown
{
  public:
    AAX_Result QueryInterface(const acfIID& iid, void** out) override;

    DescriptionRecorder& recorder() { return collection; }

  private:
    // The plug-in definition the host keeps for a registered plug-in.
    struct Definition final : IACFUnknown
    {
        AAX_Result QueryInterface(const acfIID& iid, void** out) override;
    };
    struct Services final : AAX_IACFHostServices
    {
        AAX_Result Trace(int32_t, const char*) override { return AAX_SUCCESS; }
    };

    DescriptionRecorder collection;
    Definition definition;
    Services services;
};
