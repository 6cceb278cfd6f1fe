#include "ORLPresetBarEditor.h"

#include "FileNames.h"
#include "HintsFlag.h"
#include "MemoSlots.h"
#include "ORLMasterGraphicalEngine.h"
#include "ORLOptionMenu.h"
#include "ORLTextEdit.h"
#include "ORLViewContainer.h"
#include "PresetBank.h"
#include "PresetBarBulbButton.h"
#include "PresetBarColors.h"
#include "PresetBarNameControl.h"
#include "StoredText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{
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
