#pragma once

#include <memory>

// Mapping between a parameter's real value and its normalized value. Any thread.
template <typename T> class AAX_ITaperDelegate
{
  public:
    virtual ~AAX_ITaperDelegate() = default;
    virtual std::unique_ptr<AAX_ITaperDelegate> Clone() const = 0;
    virtual T NormalizedToReal(double normalized) const = 0;
    virtual double RealToNormalized(T real) const = 0;
};

// Linear from min to max; RealPrecision 0 means no rounding.
template <typename T, int RealPrecision = 0>
class AAX_CLinearTaperDelegate final : public AAX_ITaperDelegate<T>
{
  public:
    AAX_CLinearTaperDelegate(T minimum = 0, T maximum = 1) : minimum(minimum), maximum(maximum) {}
    std::unique_ptr<AAX_ITaperDelegate<T>> Clone() const override
    {
        return std::make_unique<AAX_CLinearTaperDelegate>(*this);
    }
    T NormalizedToReal(double normalized) const override
    {
        const double real = normalized * (static_cast<double>(maximum) - minimum) + minimum;
        return constrain(static_cast<T>(real));
    }
    double RealToNormalized(T real) const override
    {
        real = constrain(real);
        return (static_cast<double>(real) - minimum) / (static_cast<double>(maximum) - minimum);
    }

  private:
    T constrain(T value) const
    {
        if (!(value >= minimum))
            return minimum;
        return value > maximum ? maximum : value;
    }
    T minimum;
    T maximum;
};

// On from one half up.
template <typename T> class AAX_CBinaryTaperDelegate final : public AAX_ITaperDelegate<T>
{
  public:
    std::unique_ptr<AAX_ITaperDelegate<T>> Clone() const override
    {
        return std::make_unique<AAX_CBinaryTaperDelegate>(*this);
    }
    T NormalizedToReal(double normalized) const override { return normalized >= 0.5; }
    double RealToNormalized(T real) const override { return real ? 1.0 : 0.0; }
};
