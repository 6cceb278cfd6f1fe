#pragma once

#include "ORLPresetBarEditor.h"
#include "ORLVSTGUIEditorWrapperV2.h"

namespace Orlund
{
// The window with the preset bar under the editor's panel: control changes reach the bar
// first and then the editor, host-side changes the editor and then the bar. Gives the bar its
// hints switch and its file choosers. Main (UI) thread only.
class ORLVSTGUIEditorWrapperV4_PresetBar : public ORLVSTGUIEditorWrapperV2,
                                           public ORLPresetBarEditor
{
  public:
    ORLVSTGUIEditorWrapperV4_PresetBar();
    ~ORLVSTGUIEditorWrapperV4_PresetBar() override;

    // A control change of the window (the bar's own operation is reached through it).
    using ORLVSTGUIEditorWrapperV2::valueChanged;

    // The preset model (a PresetBank) as a pointer-sized value; 0 for none.
    void setPresetBarValue(intptr_t value) override;

    void setHintsEnabled(bool on) override;
    bool chooseFileToOpen(const char* title, const char* folder, const char* filterDescription,
                          const char* extension, char* outPath) override;
    bool chooseFileToSave(const char* title, const char* folder, const char* fileName,
                          const char* filterDescription, const char* extension,
                          char* outPath) override;

  protected:
    void openExtras() override;
    void closeExtras() override;
    void controlChangedBeforeEditor(int32_t tag, double value) override;
    void updateExtras(int32_t tag, double value) override;

  private:
    bool choose(bool save, const char* title, const char* folder, const char* fileName,
                const char* filterDescription, const char* extension, char* outPath);
};
} // namespace Orlund
