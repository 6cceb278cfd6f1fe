#pragma once

#include "AAX_IHostInterfaces.h"
#include "IACFUnknown.h"

// The plug-in's wrapper around the host's services, made by ACFStartup and destroyed by
// ACFShutdown. Main thread.
class AAX_CHostServices
{
  public:
    explicit AAX_CHostServices(IACFUnknown* host);
    // Null when the host offers no services.
    AAX_IACFHostServices* Services() const { return services; }

  private:
    AAX_IACFHostServices* services = nullptr;
};
