#pragma once

#include <cstdio>
#include <memory>
#include <string>

// Text of a parameter's real value. Any thread.
template <typename T> class AAX_IDisplayDelegate
{
  public:
    virtual ~AAX_IDisplayDelegate() = default;
    virtual std::unique_ptr<AAX_IDisplayDelegate> Clone() const = 0;
    virtual std::string ValueToString(T value) const = 0;
};

// A number with Precision decimals; SpaceAfter blanks between number and (no) unit.
template <typename T, int Precision = 2, int SpaceAfter = 0>
class AAX_CNumberDisplayDelegate final : public AAX_IDisplayDelegate<T>
{
  public:
    std::unique_ptr<AAX_IDisplayDelegate<T>> Clone() const override
    {
        return std::make_unique<AAX_CNumberDisplayDelegate>(*this);
    }
    std::string ValueToString(T value) const override
    {
        char text[64];
        std::snprintf(text, sizeof text, "%.*f%*s", Precision, static_cast<double>(value),
                      SpaceAfter, "");
        return text;
    }
};

template <typename T> class AAX_CBinaryDisplayDelegate final : public AAX_IDisplayDelegate<T>
{
  public:
    AAX_CBinaryDisplayDelegate(const char* falseText, const char* trueText)
        : falseText(falseText), trueText(trueText)
    {
    }
    std::unique_ptr<AAX_IDisplayDelegate<T>> Clone() const override
    {
        return std::make_unique<AAX_CBinaryDisplayDelegate>(*this);
    }
    std::string ValueToString(T value) const override { return value ? trueText : falseText; }

  private:
    std::string falseText;
    std::string trueText;
};
