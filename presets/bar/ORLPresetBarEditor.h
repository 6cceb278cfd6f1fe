#pragma once

#include "Manual.h"
#include "PresetBarLayout.h"

#include <cstdint>
#include <string>

class ORLMasterGraphicalEngine;
class ORLViewContainer;
class ORLOptionMenu;
class ORLTextEdit;
class ORLTextLabel;
class PresetBank;
class PresetBarLabelButton;
class PresetBarNameControl;
class PresetBarNudgeControl;
class PresetBarSaveLoadButton;
class PresetBarBulbButton;

// The strip of preset controls under the editor's panel: actions menu, COMPARE, the current
// preset's number and name with the preset list and the name editor, previous and next
// arrows, the memo slots A and B, the manual and the hints bulb. Turns clicks into operations
// on the instance's PresetBank and the user's settings, and after every change of the current
// preset sends the preset's eight values, framed by the markers 47 and 48, through the
// owner's parameterEdited. Controls are owned by their views; the pointers here are not.
// Main (UI) thread only.
class ORLPresetBarEditor
{
  public:
    static constexpr int32_t kHeight = 19;
    static constexpr int kPathCapacity = 1024;
    static constexpr const char* kEditedMarker = "  [EDIT]";

    enum Tag : int32_t
    {
        kNameDisplayTag = 18,
        kNameEditorTag = 19,
        kArrowsTag = 20,
        kPresetListTag = 34,
        kManageTag = 36,
        kStoreATag = 37,
        kStoreBTag = 38,
        kRecallATag = 39,
        kRecallBTag = 40,
        kCompareTag = 41,
        kActionsMenuTag = 42,
        kManualTag = 43,
        kHintsTag = 45,
        kRefreshTag = 46,
        kBeginTransfer = 47,
        kEndTransfer = 48,
    };

    // The owner gives the bar its window (containers, views) and takes the values it sends.
    explicit ORLPresetBarEditor(ORLMasterGraphicalEngine* owner);
    virtual ~ORLPresetBarEditor() = default;
    ORLPresetBarEditor(const ORLPresetBarEditor&) = delete;
    ORLPresetBarEditor& operator=(const ORLPresetBarEditor&) = delete;

    // Main thread. Shows or stops showing hints in the owner's window.
    virtual void setHintsEnabled(bool on) = 0;
    // Main thread. Open chooser with one filter; true when exactly one file was chosen, its
    // path then in outPath (room for kPathCapacity - 1 characters).
    virtual bool chooseFileToOpen(const char* title, const char* folder,
                                  const char* filterDescription, const char* extension,
                                  char* outPath) = 0;
    // Main thread. Save chooser, the same with a proposed file name.
    virtual bool chooseFileToSave(const char* title, const char* folder, const char* fileName,
                                  const char* filterDescription, const char* extension,
                                  char* outPath) = 0;

    // Main thread. Builds the bar for an editor width pixels wide; height is the editor
    // panel's height plus 19. Does nothing when the owner has no window.
    void open(int32_t width, int32_t height);
    // Main thread. The same sizes after the window changed; only once built.
    void resize(int32_t width, int32_t height);
    // Main thread. Forgets the controls and the container (the window destroys them).
    void close();
    // Main thread. A control of the window changed; tags the bar does not know are ignored.
    void valueChanged(int32_t tag, double value);
    // Main thread. A parameter update passed on from the controller.
    void updateParameter(int32_t id, double value);
    // Main thread. The instance's preset bank (null: the commands that need it do nothing).
    void setPresetBank(PresetBank* bank) { presetBank = bank; }
    PresetBank* getPresetBank() const { return presetBank; }
    // Main thread. How the manual is opened (the system's shell when null).
    void setManualOpener(ShellOpener opener) { manualOpener = opener; }

    // Read access for the owner and tests; null while closed.
    bool isBuilt() const { return built; }
    ORLViewContainer* getContainer() const { return container; }
    const PresetBarLayout& getLayout() const { return layout; }
    PresetBarLabelButton* getManageButton() const { return manageButton; }
    ORLOptionMenu* getActionsMenu() const { return actionsMenu; }
    PresetBarLabelButton* getCompareButton() const { return compareButton; }
    PresetBarNameControl* getNameDisplay() const { return nameDisplay; }
    ORLTextEdit* getNameEditor() const { return nameEditor; }
    ORLOptionMenu* getPresetList() const { return presetList; }
    PresetBarNudgeControl* getArrows() const { return arrows; }
    PresetBarSaveLoadButton* getStoreButton(int slot) const;
    PresetBarSaveLoadButton* getRecallButton(int slot) const;
    ORLTextLabel* getSlotLabel(int slot) const;
    PresetBarLabelButton* getManualButton() const { return manualButton; }
    PresetBarBulbButton* getBulb() const { return bulb; }

  private:
    // The entries of the actions menu.
    enum ActionEntry : int32_t
    {
        kSavePreset = 2,
        kLoadPreset = 3,
        kResetToFactory = 4,
        kSaveBank = 5,
        kLoadBank = 6,
    };

    // The controls, made, placed and forgotten (ORLPresetBarEditorControls.cpp).
    void build();
    void buildActionsMenu();
    void buildNameControls();
    void buildMemoSlots();
    void buildManualAndBulb();
    void placeControls();
    void setLabelTexts(int32_t width);
    void refreshNameDisplay();
    void refreshPresetList();
    void refresh();
    void sendCurrentPreset();
    void runAction(int32_t entry);
    void savePreset();
    void loadPreset();
    void saveBank();
    void loadBank();
    void startNameEdit();
    void finishNameEdit();
    std::string presetLine(int32_t index) const;

    ORLMasterGraphicalEngine* owner;
    PresetBank* presetBank = nullptr;
    ShellOpener manualOpener = nullptr;
    ORLViewContainer* container = nullptr;
    PresetBarLayout layout{};
    PresetBarLabelButton* manageButton = nullptr;
    ORLOptionMenu* actionsMenu = nullptr;
    PresetBarLabelButton* compareButton = nullptr;
    PresetBarNameControl* nameDisplay = nullptr;
    ORLTextEdit* nameEditor = nullptr;
    ORLOptionMenu* presetList = nullptr;
    PresetBarNudgeControl* arrows = nullptr;
    PresetBarSaveLoadButton* storeA = nullptr;
    ORLTextLabel* labelA = nullptr;
    PresetBarSaveLoadButton* recallA = nullptr;
    PresetBarSaveLoadButton* storeB = nullptr;
    ORLTextLabel* labelB = nullptr;
    PresetBarSaveLoadButton* recallB = nullptr;
    PresetBarLabelButton* manualButton = nullptr;
    PresetBarBulbButton* bulb = nullptr;
    bool built = false;
};
