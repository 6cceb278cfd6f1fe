#pragma once

#include "AAX.h"
#include "AAX_IString.h"

// One host parameter inside the plug-in. Main thread.
class AAX_IParameter
{
  public:
    virtual ~AAX_IParameter() = default;
    virtual const char* Identifier() const = 0;
    virtual const char* Name() const = 0;
    virtual double GetNormalizedValue() const = 0;
    // Stores the value the host delivered; reaches nothing else.
    virtual void SetNormalizedValue(double value) = 0;
    virtual double GetNormalizedDefaultValue() const = 0;
    // Display text of a normalized value, cut to maxLength characters.
    virtual bool GetNormalizedValueString(double value, int32_t maxLength,
                                          AAX_IString* text) const = 0;
    virtual int32_t GetNumberOfSteps() const = 0;
    virtual void SetNumberOfSteps(int32_t steps) = 0;
    virtual int32_t GetType() const = 0;
    virtual void SetType(int32_t type) = 0;
    virtual bool Automatable() const = 0;
    // The default single-value packet of the current value (4 bytes).
    virtual void GetPacket(void* packet) const = 0;
};
