#pragma once

#include "AAX_DisplayDelegates.h"
#include "AAX_IParameter.h"
#include "AAX_TaperDelegates.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

// A host parameter of value type T (float or bool) with its taper and display delegates.
// New parameters are continuous with 128 steps. Main thread.
template <typename T> class AAX_CParameter final : public AAX_IParameter
{
  public:
    AAX_CParameter(const char* identifier, const char* name, T defaultValue,
                   const AAX_ITaperDelegate<T>& taper, const AAX_IDisplayDelegate<T>& display,
                   bool automatable)
        : identifier(identifier), name(name), taper(taper.Clone()), display(display.Clone()),
          defaultValue(defaultValue), value(defaultValue), automatable(automatable)
    {
    }

    const char* Identifier() const override { return identifier.c_str(); }
    const char* Name() const override { return name.c_str(); }
    double GetNormalizedValue() const override { return taper->RealToNormalized(value); }
    void SetNormalizedValue(double normalized) override
    {
        value = taper->NormalizedToReal(normalized);
    }
    double GetNormalizedDefaultValue() const override
    {
        return taper->RealToNormalized(defaultValue);
    }
    bool GetNormalizedValueString(double normalized, int32_t maxLength,
                                  AAX_IString* text) const override
    {
        if (text == nullptr)
            return false;
        std::string shown = display->ValueToString(taper->NormalizedToReal(normalized));
        if (maxLength >= 0 && shown.size() > static_cast<size_t>(maxLength))
            shown.resize(static_cast<size_t>(maxLength));
        text->Set(shown.c_str());
        return true;
    }
    int32_t GetNumberOfSteps() const override { return steps; }
    void SetNumberOfSteps(int32_t count) override { steps = count; }
    int32_t GetType() const override { return type; }
    void SetType(int32_t kind) override { type = kind; }
    bool Automatable() const override { return automatable; }
    void GetPacket(void* packet) const override
    {
        if constexpr (std::is_same_v<T, bool>)
        {
            const int32_t word = value ? 1 : 0;
            std::memcpy(packet, &word, sizeof word);
        }
        else
        {
            const float word = static_cast<float>(value);
            std::memcpy(packet, &word, sizeof word);
        }
    }

  private:
    std::string identifier;
    std::string name;
    std::unique_ptr<AAX_ITaperDelegate<T>> taper;
    std::unique_ptr<AAX_IDisplayDelegate<T>> display;
    T defaultValue;
    T value;
    bool automatable;
    int32_t steps = 128;
    int32_t type = AAX_eParameterType_Continuous;
};
