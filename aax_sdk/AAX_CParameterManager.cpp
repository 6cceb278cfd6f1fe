#include "AAX_CParameterManager.h"

#include <cstring>

void AAX_CParameterManager::AddParameter(std::unique_ptr<AAX_IParameter> parameter)
{
    if (parameter)
        parameters.push_back(std::move(parameter));
}

AAX_IParameter* AAX_CParameterManager::GetParameter(int32_t index) const
{
    if (index < 0 || index >= NumParameters())
        return nullptr;
    return parameters[static_cast<size_t>(index)].get();
}

AAX_IParameter* AAX_CParameterManager::GetParameterByID(AAX_CParamID id) const
{
    if (id == nullptr)
        return nullptr;
    for (const auto& parameter : parameters)
        if (std::strcmp(parameter->Identifier(), id) == 0)
            return parameter.get();
    return nullptr;
}
