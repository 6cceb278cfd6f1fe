#include "HostObject.h"

AAX_Result HostObject::QueryInterface(const acfIID& iid, void** out)
{
    if (out == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *out = nullptr;
    if (iid == IID_IAAXCollection)
        *out = static_cast<AAX_IACFCollection*>(&collection);
    else if (iid == IID_IACFPluginDefinition)
        *out = static_cast<IACFUnknown*>(&definition);
    else if (iid == IID_IAAXHostServices)
        *out = static_cast<AAX_IACFHostServices*>(&services);
    return *out != nullptr ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT;
}

AAX_Result HostObject::Definition::QueryInterface(const acfIID& iid, void** out)
{
    if (out == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *out = iid == IID_IACFPluginDefinition ? static_cast<IACFUnknown*>(this) : nullptr;
    return *out != nullptr ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT;
}
