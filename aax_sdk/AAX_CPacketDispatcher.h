#pragma once

#include "AAX.h"

#include <string>
#include <vector>

class AAX_CParameterManager;
class AAX_IController;

// Binds parameters to the render callback's data input ports and posts each parameter's
// default packet to its port when the parameter changes. Main thread.
class AAX_CPacketDispatcher
{
  public:
    void RegisterPacket(AAX_CParamID id, AAX_CFieldIndex port);
    // Posts the packet of every port bound to id; nothing without a controller.
    void Dispatch(AAX_CParamID id, const AAX_CParameterManager& parameters,
                  AAX_IController* controller) const;
    void DispatchAll(const AAX_CParameterManager& parameters, AAX_IController* controller) const;

  private:
    struct Binding
    {
        std::string id;
        AAX_CFieldIndex port;
    };
    void post(const Binding& binding, const AAX_CParameterManager& parameters,
              AAX_IController* controller) const;
    std::vector<Binding> bindings;
};
