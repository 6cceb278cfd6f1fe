#pragma once

#include "AAX_IParameter.h"

#include <memory>
#include <vector>

// The effect's host parameters in the order they were added. Main thread.
class AAX_CParameterManager
{
  public:
    void AddParameter(std::unique_ptr<AAX_IParameter> parameter);
    int32_t NumParameters() const { return static_cast<int32_t>(parameters.size()); }
    // Null for an index out of range.
    AAX_IParameter* GetParameter(int32_t index) const;
    // Null for an unknown or null identifier.
    AAX_IParameter* GetParameterByID(AAX_CParamID id) const;

  private:
    std::vector<std::unique_ptr<AAX_IParameter>> parameters;
};
