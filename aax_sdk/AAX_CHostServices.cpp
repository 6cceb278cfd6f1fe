#include "AAX_CHostServices.h"

AAX_CHostServices::AAX_CHostServices(IACFUnknown* host)
{
    void* found = nullptr;
    if (host != nullptr && host->QueryInterface(IID_IAAXHostServices, &found) == AAX_SUCCESS)
        services = static_cast<AAX_IACFHostServices*>(found);
}
