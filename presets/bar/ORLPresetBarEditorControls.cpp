// The bar's controls: making them in the order the bar draws them, placing them for a width,
// and forgetting them when the window goes.
#include "ORLPresetBarEditor.h"

#include "ORLEngineView.h"
#include "ORLFont.h"
#include "ORLOptionMenu.h"
#include "ORLSharedFonts.h"
#include "ORLTextEdit.h"
#include "ORLTextLabel.h"
#include "ORLViewContainer.h"
#include "PresetBank.h"
#include "PresetBarBulbButton.h"
#include "PresetBarColors.h"
#include "PresetBarControl.h"
#include "PresetBarLabelButton.h"
#include "PresetBarNameControl.h"
#include "PresetBarNudgeControl.h"
#include "PresetBarSaveLoadButton.h"

namespace
{
constexpr const char* kManageHint =
    "Click to see the pop-up menu of all available presets' actions";
constexpr const char* kListHint =
    "Click to see the pop-up menu of all the presets in the currently loaded bank";

constexpr const char* kInitialListNames[PresetBank::kPresetCount] = {
    "Default", "Bright", "High", "Low & Dark", "Almost reverb",
    "Detuned", "Init",   "Init", "Init",       "Init"};

// One memo slot's store button, letter and recall button.
struct MemoSlotControls
{
    ORLRect storeRect, labelRect, recallRect;
    int32_t storeTag, recallTag;
    const char* letter;
    const char* storeHint;
    const char* recallHint;
};

void addMemoSlot(ORLViewContainer& container, ORLFont* labelFont, const MemoSlotControls& slot,
                 PresetBarSaveLoadButton*& store, ORLTextLabel*& label,
                 PresetBarSaveLoadButton*& recall)
{
    store = new PresetBarSaveLoadButton(slot.storeRect, slot.storeTag, true);
    container.addControl(store);
    store->setHint(slot.storeHint);
    label = new ORLTextLabel(slot.labelRect, slot.storeTag, nullptr, 1);
    if (labelFont)
        label->setFont(labelFont);
    label->setFontColor(presetbar::kSlotLabel.red, presetbar::kSlotLabel.green,
                        presetbar::kSlotLabel.blue, presetbar::kSlotLabel.alpha);
    label->setText(slot.letter);
    container.addControl(label);
    recall = new PresetBarSaveLoadButton(slot.recallRect, slot.recallTag, false);
    container.addControl(recall);
    recall->setHint(slot.recallHint);
}
} // namespace

void ORLPresetBarEditor::build()
{
    manageButton = new PresetBarLabelButton(layout.manage, kManageTag, "MANAGE");
    container->addControl(manageButton);
    manageButton->setHint(kManageHint);
    buildActionsMenu();

    compareButton = new PresetBarLabelButton(layout.compare, kCompareTag, "COMPARE");
    container->addControl(compareButton);
    compareButton->setHint("Click to switch between current setup and initial preset");

    buildNameControls();

    arrows = new PresetBarNudgeControl(layout.arrows);
    container->addControl(arrows);
    arrows->setHint("Click the left/right arrow to switch the prev/next preset from the list");

    buildMemoSlots();
    buildManualAndBulb();
}

// Shown only while it pops up.
void ORLPresetBarEditor::buildActionsMenu()
{
    actionsMenu = new ORLOptionMenu(layout.actionsMenu, kActionsMenuTag);
    container->addControl(actionsMenu);
    actionsMenu->setHint(kManageHint);
    actionsMenu->addEntry("Preset actions", 0, 1);
    actionsMenu->addEntry("___________", 1, 2);
    actionsMenu->addEntry("Save Preset", kSavePreset, -1);
    actionsMenu->addEntry("Load Preset", kLoadPreset, -1);
    actionsMenu->addEntry("Reset All To Factory", kResetToFactory, -1);
    actionsMenu->addEntry("Save Bank", kSaveBank, -1);
    actionsMenu->addEntry("Load Bank", kLoadBank, -1);
    actionsMenu->setCurrent(1);
    container->removeControl(actionsMenu);
}

// The name display; its editor and the preset list take its place only while in use.
void ORLPresetBarEditor::buildNameControls()
{
    nameDisplay = new PresetBarNameControl(layout.name);
    container->addControl(nameDisplay);
    nameDisplay->setHint("Click to see the pop-up menu of all the presets in the currently "
                         "loaded bank / Right-Click to edit the current preset name");

    nameEditor = new ORLTextEdit(layout.name);
    nameEditor->setFont(ORLGetSharedFont(10));
    nameEditor->setFontColor(presetbar::kNameEditorText.red, presetbar::kNameEditorText.green,
                             presetbar::kNameEditorText.blue, presetbar::kNameEditorText.alpha);
    nameEditor->setBackgroundColor(presetbar::kNameBackground);
    container->addControl(nameEditor);
    nameEditor->setHint("Click to edit the current preset name");
    container->removeControl(nameEditor);

    presetList = new ORLOptionMenu(layout.presetList, kPresetListTag);
    container->addControl(presetList);
    presetList->setHint(kListHint);
    for (int32_t i = 0; i < PresetBank::kPresetCount; ++i)
        presetList->addEntry(kInitialListNames[i], i, -1);
    container->removeControl(presetList);
}

void ORLPresetBarEditor::buildMemoSlots()
{
    ORLFont* labelFont = ORLCreateFont("Arial", 10);
    addMemoSlot(*container, labelFont,
                {layout.storeA, layout.labelA, layout.recallA, kStoreATag, kRecallATag, "A",
                 "Click to save the current preset in the A slot (saved on disk)",
                 "Click to recall the current preset from the A slot (saved on disk)"},
                storeA, labelA, recallA);
    addMemoSlot(*container, labelFont,
                {layout.storeB, layout.labelB, layout.recallB, kStoreBTag, kRecallBTag, "B",
                 "Click to save the current preset in the B slot (saved on disk)",
                 "Click to recall the current preset from the B slot (saved on disk)"},
                storeB, labelB, recallB);
    if (labelFont)
        labelFont->forget();
}

void ORLPresetBarEditor::buildManualAndBulb()
{
    manualButton = new PresetBarLabelButton(layout.manual, kManualTag, "?");
    if (ORLFont* questionFont = ORLCreateFont("Arial", 11))
    {
        manualButton->setFont(questionFont);
        questionFont->forget();
    }
    container->addControl(manualButton);
    manualButton->setHint("Click to open the ORL Chordwell Operation Manual");

    bulb = new PresetBarBulbButton(layout.bulb);
    container->addControl(bulb);
    bulb->setHint("Enable/disable hints");
    bulb->setValue(1.0);
}

void ORLPresetBarEditor::setLabelTexts(int32_t width)
{
    const bool wide = width > kPresetBarWideWidth;
    manageButton->setText(wide ? "MANAGE" : "MNG");
    compareButton->setText(wide ? "COMPARE" : "CMP");
}

void ORLPresetBarEditor::resize(int32_t width, int32_t height)
{
    if (!built)
        return;
    container->setViewSize({0, static_cast<double>(height - kHeight), static_cast<double>(width),
                            static_cast<double>(height)});
    layout = computePresetBarLayout(width);
    setLabelTexts(width);
    placeControls();
}

void ORLPresetBarEditor::placeControls()
{
    const auto place = [](ORLBaseControl* control, const ORLRect& r)
    {
        if (auto* barControl = dynamic_cast<PresetBarControl*>(control))
            barControl->setRect(r);
        else if (control->getEngineView())
            control->getEngineView()->setViewSize(r);
    };
    place(manageButton, layout.manage);
    place(actionsMenu, layout.actionsMenu);
    place(compareButton, layout.compare);
    place(nameDisplay, layout.name);
    place(nameEditor, layout.name);
    place(presetList, layout.presetList);
    place(arrows, layout.arrows);
    place(storeA, layout.storeA);
    place(labelA, layout.labelA);
    place(recallA, layout.recallA);
    place(storeB, layout.storeB);
    place(labelB, layout.labelB);
    place(recallB, layout.recallB);
    place(manualButton, layout.manual);
    place(bulb, layout.bulb);
}

void ORLPresetBarEditor::close()
{
    built = false;
    container = nullptr;
    manageButton = nullptr;
    actionsMenu = nullptr;
    compareButton = nullptr;
    nameDisplay = nullptr;
    nameEditor = nullptr;
    presetList = nullptr;
    arrows = nullptr;
    storeA = nullptr;
    labelA = nullptr;
    recallA = nullptr;
    storeB = nullptr;
    labelB = nullptr;
    recallB = nullptr;
    manualButton = nullptr;
    bulb = nullptr;
}
