#include "ORL_AAX_ControllerWrapper.h"

#include <AAX_CEffectParameters.h>
#include <ParameterTable.h>

using namespace chordwell;

void ORL_AAX_ControllerWrapper::setOwner(AAX_CEffectParameters* parameters)
{
    owner = parameters;
    setHostParameters(parameters != nullptr ? this : nullptr);
}

void ORL_AAX_ControllerWrapper::touchParameter(int32_t slot)
{
    owner->TouchParameter(getParameterIdentifier(slot));
}

void ORL_AAX_ControllerWrapper::setParameterValue(int32_t slot, double value)
{
    owner->SetParameterNormalizedValue(getParameterIdentifier(slot), value);
}

void ORL_AAX_ControllerWrapper::releaseParameter(int32_t slot)
{
    owner->ReleaseParameter(getParameterIdentifier(slot));
}
