#pragma once

#include "AAX_VDescription.h"

#include <stdexcept>

// Thrown by the plug-in side wrappers when the host object they speak to is gone.
class AAX_CheckedResultException : public std::runtime_error
{
  public:
    explicit AAX_CheckedResultException(AAX_Result result)
        : std::runtime_error("AAX host call failed"), result(result)
    {
    }
    AAX_Result result;
};

// The plug-in's view of the host's description collection: wraps the host object handed
// to ACFRegisterPlugin. Without a host collection, NewDescriptor answers null and the other
// operations throw AAX_CheckedResultException. Main thread.
class AAX_VCollection
{
  public:
    explicit AAX_VCollection(IACFUnknown* host);

    AAX_VEffectDescriptor* NewDescriptor();
    AAX_Result AddEffect(const char* effectID, AAX_VEffectDescriptor* effect);
    AAX_Result SetManufacturerName(const char* name);
    AAX_Result AddPackageName(const char* name);
    AAX_Result SetPackageVersion(uint32_t version);
    // The host object the collection was made from (may be null).
    IACFUnknown* GetHostObject() const { return host; }

  private:
    AAX_IACFCollection& checked();

    IACFUnknown* host;
    AAX_IACFCollection* collection = nullptr;
};
