#pragma once

#include "AAX.h"
#include "AAX_IString.h"

class AAX_IEffectParameters;

// The host's automation of one effect instance: touch, set and release of its parameters and
// the touch-state query. Main thread.
class AAX_IAutomationDelegate
{
  public:
    virtual AAX_Result TouchParameter(AAX_CParamID id) = 0;
    virtual AAX_Result ReleaseParameter(AAX_CParamID id) = 0;
    // Changes the host's parameter now; the host later delivers the update to the plug-in
    // through UpdateParameterNormalizedValue.
    virtual AAX_Result PostSetValueRequest(AAX_CParamID id, double normalizedValue) = 0;
    // Whether the parameter counts as touched for the update being delivered.
    virtual AAX_Result GetTouchState(AAX_CParamID id, bool* touched) = 0;

  protected:
    ~AAX_IAutomationDelegate() = default;
};

// The host's controller of one effect instance.
class AAX_IController
{
  public:
    // Main thread. Queues a packet for a data input port of every render instance; it reaches
    // the port before the next render block.
    virtual AAX_Result PostPacket(AAX_CFieldIndex port, const void* data, uint32_t size) = 0;
    // Any thread. The parameters object of this effect instance, or null.
    virtual AAX_IEffectParameters* GetEffectParameters() = 0;
    // Main thread. Null when the host offers no automation.
    virtual AAX_IAutomationDelegate* GetAutomationDelegate() = 0;
    // Main thread.
    virtual AAX_Result GetSampleRate(float* rate) = 0;
    // Main thread.
    virtual AAX_Result GetSignalLatency(int32_t* samples) = 0;
    // Main thread. The effect's processing latency in samples.
    virtual AAX_Result SetSignalLatency(int32_t samples) = 0;

  protected:
    ~AAX_IController() = default;
};

// Direct access to one render instance's private data, ordered by the host against the
// render callback of that instance. Timer thread.
class AAX_IPrivateDataAccess
{
  public:
    virtual AAX_Result ReadPortDirect(AAX_CFieldIndex field, uint32_t offset, uint32_t size,
                                      void* buffer) = 0;
    virtual AAX_Result WritePortDirect(AAX_CFieldIndex field, uint32_t offset, uint32_t size,
                                       const void* buffer) = 0;

  protected:
    ~AAX_IPrivateDataAccess() = default;
};

// The host's services behind IID_IAAXHostServices. Any thread.
class AAX_IACFHostServices
{
  public:
    virtual AAX_Result Trace(int32_t priority, const char* message) = 0;

  protected:
    ~AAX_IACFHostServices() = default;
};
