#pragma once

#include <cstdint>

namespace Orlund
{
// The window's listener: told of every value a hosted control reports, and of the begin and
// end of the edit gesture of text and menu views. Main (UI) thread.
class CORLControlListener
{
  public:
    virtual ~CORLControlListener() = default;
    virtual void valueChanged(int32_t tag, float value) = 0;
    virtual void beginEdit(int32_t tag) = 0;
    virtual void endEdit(int32_t tag) = 0;
};
} // namespace Orlund
