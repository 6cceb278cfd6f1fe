#include "EffectInstance.h"

// The host's parameters: touch, set and release as the plug-in and the host call them, and the
// queue of updates that reach the plug-in in order.

int EffectInstance::parameterIndex(const std::string& id) const
{
    for (size_t i = 0; i < hostParameters.size(); ++i)
        if (hostParameters[i].id == id)
            return static_cast<int>(i);
    return -1;
}

EffectInstance::HostParameter* EffectInstance::find(AAX_CParamID id)
{
    if (id == nullptr)
        return nullptr;
    const int index = parameterIndex(id);
    return index < 0 ? nullptr : &hostParameters[static_cast<size_t>(index)];
}

bool EffectInstance::automate(const std::string& id, double value)
{
    HostParameter* p = find(id.c_str());
    if (p == nullptr)
        return false;
    p->value = value;
    updates.push_back({id, value, false});
    if (updateQueued)
        updateQueued();
    return true;
}

bool EffectInstance::edit(const std::string& id, double value)
{
    if (find(id.c_str()) == nullptr)
        return false;
    TouchParameter(id.c_str());
    PostSetValueRequest(id.c_str(), value);
    ReleaseParameter(id.c_str());
    return true;
}

void EffectInstance::deliverUpdates()
{
    while (!updates.empty())
    {
        const Update update = updates.front();
        updates.pop_front();
        delivering = true;
        deliveringID = update.id;
        deliveringTouched = update.touched;
        callLog.push_back({"update", update.id, update.value});
        parametersObj->UpdateParameterNormalizedValue(update.id.c_str(), update.value,
                                                      AAX_eUpdateSource_Unspecified);
        if (guiObject != nullptr)
            guiObject->ParameterUpdated(update.id.c_str());
        delivering = false;
    }
}

AAX_Result EffectInstance::TouchParameter(AAX_CParamID id)
{
    HostParameter* p = find(id);
    if (p == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    p->touched = true;
    callLog.push_back({"touch", p->id, p->value});
    return AAX_SUCCESS;
}

AAX_Result EffectInstance::ReleaseParameter(AAX_CParamID id)
{
    HostParameter* p = find(id);
    if (p == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    p->touched = false;
    callLog.push_back({"release", p->id, p->value});
    return AAX_SUCCESS;
}

AAX_Result EffectInstance::PostSetValueRequest(AAX_CParamID id, double value)
{
    HostParameter* p = find(id);
    if (p == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    p->value = value;
    // The plug-in's re-send while its own echo is being delivered changes the value only.
    if (delivering && deliveringID == p->id)
    {
        callLog.push_back({"echo-set", p->id, value});
        return AAX_SUCCESS;
    }
    callLog.push_back({"set", p->id, value});
    updates.push_back({p->id, value, p->touched});
    if (updateQueued)
        updateQueued();
    return AAX_SUCCESS;
}

AAX_Result EffectInstance::GetTouchState(AAX_CParamID id, bool* touched)
{
    HostParameter* p = find(id);
    if (p == nullptr || touched == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    *touched = delivering && deliveringID == p->id ? deliveringTouched : p->touched;
    return AAX_SUCCESS;
}
