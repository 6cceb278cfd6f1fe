#include "ORL_AAX_HostParameters.h"

#include <AAX_CEffectParameters.h>
#include <ParameterTable.h>

void ORL_AAX_HostParameters::touchParameter(int32_t slot)
{
    owner.TouchParameter(getParameterIdentifier(slot));
}

void ORL_AAX_HostParameters::setParameterValue(int32_t slot, double value)
{
    owner.SetParameterNormalizedValue(getParameterIdentifier(slot), value);
}

void ORL_AAX_HostParameters::releaseParameter(int32_t slot)
{
    owner.ReleaseParameter(getParameterIdentifier(slot));
}
