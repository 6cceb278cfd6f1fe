#pragma once

#include "ORLBaseControl.h"

class ORLEngineOptionMenu;

// Pop-up menu; its entries live in its toolkit view, so without a view every operation does
// nothing (getCurrent answers 0). Main (UI) thread only.
class ORLOptionMenu : public ORLBaseControl
{
  public:
    ORLOptionMenu(const ORLRect& rect, int32_t tag);

    // index below 0 appends; style 1 title, 2 separator, -1 or 0 normal.
    virtual void addEntry(const char* text, int32_t index, int32_t style);
    // state 0 enabled, 1 disabled, 2 checked, 3 unchecked.
    virtual void setEntryState(int32_t state, int32_t index);
    virtual void setCurrent(int32_t index);
    virtual int32_t getCurrent();
    virtual void removeAllEntries();
    // Pops the entries up under the menu's rectangle.
    virtual void popup();

  private:
    ORLEngineOptionMenu* menuView() const;
};
