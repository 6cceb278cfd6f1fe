#include "ORLVSTGUIEditorWrapperV4_PresetBar.h"

#include "CORLConversions.h"
#include "ORLPresetModel.h"
#include "PresetBank.h"

#include <cstdio>

namespace Orlund
{
ORLVSTGUIEditorWrapperV4_PresetBar::ORLVSTGUIEditorWrapperV4_PresetBar() : ORLPresetBarEditor(this)
{
}

ORLVSTGUIEditorWrapperV4_PresetBar::~ORLVSTGUIEditorWrapperV4_PresetBar()
{
    // The window goes while the bar can still be told.
    closeWindow();
}

void ORLVSTGUIEditorWrapperV4_PresetBar::setPresetBarValue(intptr_t value)
{
    auto* model = reinterpret_cast<ORLPresetModel*>(value);
    setPresetBank(dynamic_cast<PresetBank*>(model));
}

void ORLVSTGUIEditorWrapperV4_PresetBar::openExtras()
{
    ORLPresetBarEditor::open(frameWidth(), frameHeight());
}

void ORLVSTGUIEditorWrapperV4_PresetBar::closeExtras()
{
    ORLPresetBarEditor::close();
}

void ORLVSTGUIEditorWrapperV4_PresetBar::controlChangedBeforeEditor(int32_t tag, double value)
{
    ORLPresetBarEditor::valueChanged(tag, value);
}

void ORLVSTGUIEditorWrapperV4_PresetBar::updateExtras(int32_t tag, double value)
{
    updateParameter(tag, value);
}

void ORLVSTGUIEditorWrapperV4_PresetBar::setHintsEnabled(bool on)
{
    setHintsState(on ? 1 : 0);
}

bool ORLVSTGUIEditorWrapperV4_PresetBar::chooseFileToOpen(const char* title, const char* folder,
                                                          const char* filterDescription,
                                                          const char* extension, char* outPath)
{
    return choose(false, title, folder, nullptr, filterDescription, extension, outPath);
}

bool ORLVSTGUIEditorWrapperV4_PresetBar::chooseFileToSave(const char* title, const char* folder,
                                                          const char* fileName,
                                                          const char* filterDescription,
                                                          const char* extension, char* outPath)
{
    return choose(true, title, folder, fileName, filterDescription, extension, outPath);
}

bool ORLVSTGUIEditorWrapperV4_PresetBar::choose(bool save, const char* title, const char* folder,
                                                const char* fileName, const char* filterDescription,
                                                const char* extension, char* outPath)
{
    if (!isOpen() || !outPath)
        return false;
    const juce::String dir = toJuceText(folder);
    juce::File start = juce::File::isAbsolutePath(dir) ? juce::File(dir)
                                                       : juce::File::getCurrentWorkingDirectory();
    if (save && fileName && *fileName)
        start = start.getChildFile(toJuceText(fileName));
    const juce::String pattern = "*." + toJuceText(extension);
    juce::ignoreUnused(filterDescription); // the toolkit's own chooser shows the pattern
    juce::FileChooser chooser(toJuceText(title), start, pattern, false);
    const bool chosen = save ? chooser.browseForFileToSave(false) : chooser.browseForFileToOpen();
    if (!chosen || chooser.getResults().size() != 1)
        return false;
    std::snprintf(outPath, kPathCapacity, "%s", chooser.getResult().getFullPathName().toRawUTF8());
    return true;
}
} // namespace Orlund
