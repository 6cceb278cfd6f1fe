#pragma once

#include "CORLEngineViewLink.h"

#include <vector>

namespace Orlund
{
// The option menu view (kind 12): holds the entries and pops them up on a left press; the
// chosen index becomes the view's value and is reported, framed by the begin and end of the
// edit gesture. It draws nothing of its own: its owner draws the button under it.
// Main (UI) thread.
class CORLOptionMenuWrapper : public CORLEngineViewLink<ORLEngineOptionMenu>
{
  public:
    enum EntryState : int32_t
    {
        kEnabled = 0,
        kDisabled = 1,
        kChecked = 2,
        kUnchecked = 3,
    };

    struct Entry
    {
        juce::String text;
        int32_t style = 0;
        bool enabled = true;
        bool checked = false;
    };

    CORLOptionMenuWrapper(ORLBaseControl* control, CORLControlListener* listener,
                          ORLMasterGraphicalEngine* engine);

    void addEntry(const char* text, int32_t index, int32_t style) override;
    void setEntryState(int32_t state, int32_t index) override;
    void setCurrent(int32_t index) override;
    int32_t getCurrent() override;
    void removeAllEntries() override;
    void popup() override;

    void mouseDown(const juce::MouseEvent& e) override;
    // The entries as a toolkit menu; item ids are the entry index plus one.
    juce::PopupMenu buildMenu() const;
    // What a choice from the menu does (item id as the menu returns it; 0 is no choice).
    void choose(int itemId);
    const std::vector<Entry>& getEntries() const { return entries; }

  private:
    std::vector<Entry> entries;
};
} // namespace Orlund
