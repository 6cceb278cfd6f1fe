#include "ORLPresetBarEditor.h"

#include "FileNames.h"
#include "HintsFlag.h"
#include "MemoSlots.h"
#include "ORLEngineView.h"
#include "ORLFont.h"
#include "ORLMasterGraphicalEngine.h"
#include "ORLOptionMenu.h"
#include "ORLSharedFonts.h"
#include "ORLTextEdit.h"
#include "ORLTextLabel.h"
#include "ORLViewContainer.h"
#include "PresetBank.h"
#include "PresetBarBulbButton.h"
#include "PresetBarColors.h"
#include "PresetBarLabelButton.h"
#include "PresetBarNameControl.h"
#include "PresetBarNudgeControl.h"
#include "PresetBarSaveLoadButton.h"
#include "StoredText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{
constexpr const char* kManageHint =
    "Click to see the pop-up menu of all available presets' actions";
constexpr const char* kListHint =
    "Click to see the pop-up menu of all the presets in the currently loaded bank";

constexpr const char* kInitialListNames[PresetBank::kPresetCount] = {
    "Default", "Bright", "High", "Low & Dark", "Almost reverb",
    "Detuned", "Init",   "Init", "Init",       "Init"};

enum ActionEntry : int32_t
{
    kSavePreset = 2,
    kLoadPreset = 3,
    kResetToFactory = 4,
    kSaveBank = 5,
    kLoadBank = 6,
};

double unitClamped(double v)
{
    return v >= 0.0 ? (v <= 1.0 ? v : 1.0) : 0.0;
}

int32_t roundedEntry(double value)
{
    return std::isfinite(value) ? static_cast<int32_t>(std::lround(value)) : -1;
}

void writePrefix(int32_t index, char* out, size_t size)
{
    std::snprintf(out, size, index < 10 ? "0%d: " : "%d: ", index);
}

// The preset's stored name, the bytes its record holds (at most 23).
std::string storedName(const PresetBank& bank, int32_t index)
{
    return {bank.presetName(index), strnlen(bank.presetName(index), PresetRecord::kNameSize - 1)};
}

// The preset's stored name as text.
std::string nameText(const PresetBank& bank, int32_t index)
{
    return storedTextAsUtf8(storedName(bank, index));
}

// The displayed name: the preset's name and the edited marker.
std::string displayName(const PresetBank& bank, int32_t index)
{
    std::string name = nameText(bank, index);
    if (bank.isEdited(index))
        name += ORLPresetBarEditor::kEditedMarker;
    return name;
}

// Confirming the name of an edited preset must not store the display's decoration.
std::string withoutEditedMarker(const char* text)
{
    std::string name = text ? text : "";
    const std::string marker = ORLPresetBarEditor::kEditedMarker;
    if (name.size() >= marker.size() &&
        name.compare(name.size() - marker.size(), marker.size(), marker) == 0)
        name.erase(name.size() - marker.size());
    return name;
}
} // namespace

ORLPresetBarEditor::ORLPresetBarEditor(ORLMasterGraphicalEngine* o) : owner(o) {}

PresetBarSaveLoadButton* ORLPresetBarEditor::getStoreButton(int slot) const
{
    return slot == 0 ? storeA : storeB;
}

PresetBarSaveLoadButton* ORLPresetBarEditor::getRecallButton(int slot) const
{
    return slot == 0 ? recallA : recallB;
}

ORLTextLabel* ORLPresetBarEditor::getSlotLabel(int slot) const
{
    return slot == 0 ? labelA : labelB;
}

void ORLPresetBarEditor::open(int32_t width, int32_t height)
{
    if (!owner)
        return;
    container =
        owner->createViewContainer({0, static_cast<double>(height - kHeight),
                                    static_cast<double>(width), static_cast<double>(height)});
    if (!container)
        return;
    const ORLColor bg = presetbar::kBarBackground;
    container->setBackgroundColor(bg.red, bg.green, bg.blue, bg.alpha);
    owner->addView(container);
    layout = computePresetBarLayout(width);
    build();
    setLabelTexts(width);

    built = true;
    refreshNameDisplay();
    refreshPresetList();
    bulb->setValue(hintsFlag());
    bulb->redraw();
}

void ORLPresetBarEditor::build()
{
    manageButton = new PresetBarLabelButton(layout.manage, kManageTag, "MANAGE");
    container->addControl(manageButton);
    manageButton->setHint(kManageHint);

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

    compareButton = new PresetBarLabelButton(layout.compare, kCompareTag, "COMPARE");
    container->addControl(compareButton);
    compareButton->setHint("Click to switch between current setup and initial preset");

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

    arrows = new PresetBarNudgeControl(layout.arrows);
    container->addControl(arrows);
    arrows->setHint("Click the left/right arrow to switch the prev/next preset from the list");

    ORLFont* labelFont = ORLCreateFont("Arial", 10);
    const auto addSlot = [&](const ORLRect& storeRect, const ORLRect& labelRect,
                             const ORLRect& recallRect, int32_t storeTag, int32_t recallTag,
                             const char* letter, const char* storeHint, const char* recallHint,
                             PresetBarSaveLoadButton*& store, ORLTextLabel*& label,
                             PresetBarSaveLoadButton*& recall)
    {
        store = new PresetBarSaveLoadButton(storeRect, storeTag, true);
        container->addControl(store);
        store->setHint(storeHint);
        label = new ORLTextLabel(labelRect, storeTag, nullptr, 1);
        if (labelFont)
            label->setFont(labelFont);
        label->setFontColor(presetbar::kSlotLabel.red, presetbar::kSlotLabel.green,
                            presetbar::kSlotLabel.blue, presetbar::kSlotLabel.alpha);
        label->setText(letter);
        container->addControl(label);
        recall = new PresetBarSaveLoadButton(recallRect, recallTag, false);
        container->addControl(recall);
        recall->setHint(recallHint);
    };
    addSlot(layout.storeA, layout.labelA, layout.recallA, kStoreATag, kRecallATag, "A",
            "Click to save the current preset in the A slot (saved on disk)",
            "Click to recall the current preset from the A slot (saved on disk)", storeA, labelA,
            recallA);
    addSlot(layout.storeB, layout.labelB, layout.recallB, kStoreBTag, kRecallBTag, "B",
            "Click to save the current preset in the B slot (saved on disk)",
            "Click to recall the current preset from the B slot (saved on disk)", storeB, labelB,
            recallB);
    if (labelFont)
        labelFont->forget();

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

std::string ORLPresetBarEditor::presetLine(int32_t index) const
{
    char prefix[8];
    writePrefix(index, prefix, sizeof prefix);
    return prefix + displayName(*presetBank, index);
}

void ORLPresetBarEditor::refreshNameDisplay()
{
    if (!built)
        return;
    std::string name = "Current";
    bool edited = false;
    if (presetBank)
    {
        const int32_t index = presetBank->currentIndex();
        char prefix[8];
        writePrefix(index, prefix, sizeof prefix);
        nameDisplay->setPrefix(prefix);
        name = displayName(*presetBank, index);
        edited = presetBank->isEdited(index);
    }
    nameDisplay->setName(name.c_str());
    nameDisplay->setEdited(edited);
    nameDisplay->redraw();
    nameEditor->setText(name.c_str());
}

void ORLPresetBarEditor::refreshPresetList()
{
    if (!built || !presetBank)
        return;
    presetList->removeAllEntries();
    for (int32_t i = 0; i < PresetBank::kPresetCount; ++i)
    {
        presetList->addEntry(presetLine(i).c_str(), i, -1);
    }
    presetList->setCurrent(presetBank->currentIndex());
}

void ORLPresetBarEditor::sendCurrentPreset()
{
    if (!presetBank || !owner)
        return;
    const PresetRecord& preset = presetBank->workingPreset(presetBank->currentIndex());
    owner->parameterEdited(kBeginTransfer, 1.0);
    for (int32_t i = 0; i < PresetRecord::kValueCount; ++i)
        owner->parameterEdited(i, unitClamped(preset.values[i]));
    owner->parameterEdited(kEndTransfer, 1.0);
}

void ORLPresetBarEditor::refresh()
{
    refreshNameDisplay();
    sendCurrentPreset();
}

void ORLPresetBarEditor::valueChanged(int32_t tag, double value)
{
    if (!built)
        return;
    switch (tag)
    {
    case kNameDisplayTag:
        if (value > 0.5)
        {
            startNameEdit();
        }
        else
        {
            refreshPresetList();
            container->addControl(presetList);
            presetList->popup();
        }
        break;
    case kNameEditorTag:
        finishNameEdit();
        break;
    case kArrowsTag:
        if (!presetBank || value == 0.5)
            break;
        if (value > 0.5)
            presetBank->selectPreset(std::min(presetBank->currentIndex() + 1, 9));
        else
            presetBank->selectPreset(std::max(presetBank->currentIndex() - 1, 0));
        refresh();
        break;
    case kPresetListTag:
        if (!presetBank)
            break;
        container->removeControl(presetList);
        presetBank->selectPreset(roundedEntry(value));
        refresh();
        break;
    case kManageTag:
        container->addControl(actionsMenu);
        actionsMenu->popup();
        break;
    case kStoreATag:
    case kStoreBTag:
        if (presetBank)
            storeMemo(tag == kStoreATag ? MemoSlot::A : MemoSlot::B, *presetBank);
        break;
    case kRecallATag:
    case kRecallBTag:
        if (!presetBank)
            break;
        recallMemo(tag == kRecallATag ? MemoSlot::A : MemoSlot::B, *presetBank);
        refresh();
        break;
    case kCompareTag:
        if (!presetBank)
            break;
        presetBank->toggleCompare();
        sendCurrentPreset();
        refreshNameDisplay();
        break;
    case kActionsMenuTag:
        if (!presetBank)
            break;
        actionsMenu->setCurrent(1);
        container->removeControl(actionsMenu);
        runAction(roundedEntry(value));
        break;
    case kManualTag:
        if (presetBank)
            openManual(manualOpener);
        break;
    case kHintsTag:
    {
        const int on = std::isfinite(value) ? static_cast<int>(std::trunc(value + 0.5)) : 0;
        if (presetBank)
            setHintsFlag(on);
        setHintsEnabled(on != 0);
        break;
    }
    default:
        break;
    }
}

void ORLPresetBarEditor::startNameEdit()
{
    container->removeControl(nameDisplay);
    container->addControl(nameEditor);
    nameEditor->beginEditing();
}

void ORLPresetBarEditor::finishNameEdit()
{
    container->removeControl(nameEditor);
    container->addControl(nameDisplay);
    if (presetBank)
    {
        // A name confirmed as shown keeps its stored bytes, whatever their encoding; a new one
        // is stored as UTF-8, cut where no character is split.
        const std::string typed = withoutEditedMarker(nameEditor->getText());
        const int32_t index = presetBank->currentIndex();
        if (typed == nameText(*presetBank, index))
            presetBank->renameCurrentPreset(storedName(*presetBank, index).c_str());
        else
            presetBank->renameCurrentPreset(
                std::string(cutUtf8(typed, PresetRecord::kNameSize - 1)).c_str());
    }
    refreshNameDisplay();
}

void ORLPresetBarEditor::runAction(int32_t entry)
{
    switch (entry)
    {
    case kSavePreset:
        savePreset();
        break;
    case kLoadPreset:
        loadPreset();
        break;
    case kResetToFactory:
        presetBank->resetToFactory();
        refresh();
        break;
    case kSaveBank:
        saveBank();
        break;
    case kLoadBank:
        loadBank();
        break;
    default:
        break;
    }
}

void ORLPresetBarEditor::savePreset()
{
    const std::string proposed = fixExtension(presetBank->presetFileName(), "orl");
    char path[kPathCapacity] = {};
    if (chooseFileToSave("Save preset", presetBank->folder().c_str(), proposed.c_str(),
                         "ORL Preset", "orl", path))
        presetBank->savePresetFile(fixExtension(path, "orl"));
}

void ORLPresetBarEditor::loadPreset()
{
    char path[kPathCapacity] = {};
    if (chooseFileToOpen("Load preset", presetBank->folder().c_str(), "ORL Preset", "orl", path))
        presetBank->loadPresetFile(path);
    refresh();
}

void ORLPresetBarEditor::saveBank()
{
    const std::string proposed = fixExtension(presetBank->bankFileName(), "orb");
    char path[kPathCapacity] = {};
    if (chooseFileToSave("Save bank", presetBank->folder().c_str(), proposed.c_str(), "ORL Bank",
                         "orb", path))
        presetBank->saveBankFile(fixExtension(path, "orb"));
}

void ORLPresetBarEditor::loadBank()
{
    char path[kPathCapacity] = {};
    if (chooseFileToOpen("Load bank", presetBank->folder().c_str(), "ORL Bank", "orb", path))
        presetBank->loadBankFile(path);
    refresh();
}

void ORLPresetBarEditor::updateParameter(int32_t id, double value)
{
    if (!built)
        return;
    if (id == kHintsTag)
    {
        bulb->setValue(value);
        bulb->redraw();
        setHintsEnabled(value > 0.5);
    }
    else if (id == kRefreshTag)
    {
        refreshNameDisplay();
        refreshPresetList();
        bulb->setValue(hintsFlag());
        bulb->redraw();
    }
    else if (id >= 0 && id <= 7)
    {
        refreshNameDisplay();
    }
}
