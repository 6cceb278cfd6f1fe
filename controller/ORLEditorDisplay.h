#pragma once

#include <cstdint>

// What the master controller needs of an open editor: show a value at an index (slots,
// the bank state slot 17 and the transfer markers 47 and 48). Main thread.
class ORLEditorDisplay
{
  public:
    virtual void updateDisplay(int32_t index, double value) = 0;

  protected:
    ~ORLEditorDisplay() = default;
};
