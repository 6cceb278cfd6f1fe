#include "AAX_CPacketDispatcher.h"

#include "AAX_CParameterManager.h"
#include "AAX_IHostInterfaces.h"

void AAX_CPacketDispatcher::RegisterPacket(AAX_CParamID id, AAX_CFieldIndex port)
{
    if (id != nullptr)
        bindings.push_back({id, port});
}

void AAX_CPacketDispatcher::post(const Binding& binding, const AAX_CParameterManager& parameters,
                                 AAX_IController* controller) const
{
    const AAX_IParameter* parameter = parameters.GetParameterByID(binding.id.c_str());
    if (parameter == nullptr || controller == nullptr)
        return;
    unsigned char packet[4];
    parameter->GetPacket(packet);
    controller->PostPacket(binding.port, packet, sizeof packet);
}

void AAX_CPacketDispatcher::Dispatch(AAX_CParamID id, const AAX_CParameterManager& parameters,
                                     AAX_IController* controller) const
{
    if (id == nullptr)
        return;
    for (const Binding& binding : bindings)
        if (binding.id == id)
            post(binding, parameters, controller);
}

void AAX_CPacketDispatcher::DispatchAll(const AAX_CParameterManager& parameters,
                                        AAX_IController* controller) const
{
    for (const Binding& binding : bindings)
        post(binding, parameters, controller);
}
