#pragma once

#include "PresetBarControl.h"

class ORLFont;

// The current preset's number and name (tag 18) on a light field; the name is drawn in
// another colour while the preset is edited. A plain left click reports 0.0 (open the list);
// a right click, a double click or a click with Control, Alt or Command held reports 1.0
// (edit the name). No hover or pressed look. Main (UI) thread only.
class PresetBarNameControl : public PresetBarControl
{
  public:
    static constexpr int32_t kTag = 18;
    static constexpr int kPrefixCapacity = 8;
    // Bytes: 31 characters of UTF-8 text fit.
    static constexpr int kNameCapacity = 128;

    explicit PresetBarNameControl(const ORLRect& rect);
    ~PresetBarNameControl() override;

    // UTF-8 text, cut to 7 and 31 characters.
    void setPrefix(const char* text);
    void setName(const char* text);
    void setEdited(bool edited);
    const char* getPrefix() const { return prefix; }
    const char* getName() const { return name; }
    bool isEdited() const { return edited != 0; }
    const ORLRect& getPrefixRect() const { return prefixRect; }
    const ORLRect& getNameRect() const { return nameRect; }

    void draw(ORLDrawContext& context) override;
    int32_t onMouseDown(ORLPoint where, int32_t buttons) override;
    int32_t onMouseUp(ORLPoint where, int32_t buttons) override;
    int32_t onMouseEntered(ORLPoint where, int32_t buttons) override;
    int32_t onMouseExited(ORLPoint where, int32_t buttons) override;

  protected:
    void layoutChanged() override;

  private:
    char prefix[kPrefixCapacity] = {};
    char name[kNameCapacity] = "Default";
    uint8_t edited = 0;
    ORLRect prefixRect;
    ORLRect nameRect;
    ORLFont* font = nullptr;
};
