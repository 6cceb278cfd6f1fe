#include "ORLShellEditorWrapper.h"

#include <ORLShellController.h>
#include <ParameterTable.h>

namespace Orlund
{
void ORLShellEditorWrapper::attachedToParent()
{
    ORLVSTGUIEditorWrapperV4_PresetBar::attachedToParent();
    if (getFrame() == nullptr)
        return;
    const ORLRect& panel = getEditor().getRect();
    ORLPresetBarEditor::resize(static_cast<int32_t>(panel.getWidth()),
                               static_cast<int32_t>(panel.getHeight()) + kPresetBarHeight);
    resizeEditor(frameWidth(), frameHeight());
}

void ORLShellEditorWrapper::removedFromParent()
{
    for (int32_t tag = 0; tag < chordwell::kPublicSlotCount; ++tag)
        if (master != nullptr && master->gestureOpen(tag))
            endEdit(tag);
    ORLVSTGUIEditorWrapperV4_PresetBar::removedFromParent();
}

void ORLShellEditorWrapper::connect(ORLShellController& controller)
{
    master = &controller;
    setPresetBarValue(reinterpret_cast<intptr_t>(controller.getPresetModel()));
}

void ORLShellEditorWrapper::showConnected()
{
    if (master == nullptr)
        return;
    master->setEditor(this);
    master->pushInternalToEditor();
}

void ORLShellEditorWrapper::disconnect()
{
    if (master != nullptr && master->getEditor() == this)
        master->setEditor(nullptr);
    master = nullptr;
    setPresetBarValue(0);
}

void ORLShellEditorWrapper::controlChanged(int32_t index, double value)
{
    if (master != nullptr)
        master->editorControlChanged(index, value);
}

void ORLShellEditorWrapper::parameterEdited(int32_t tag, double value)
{
    controlChanged(tag, value);
}

void ORLShellEditorWrapper::updateDisplay(int32_t index, double value)
{
    if (isOpen())
        ORLVSTGUIEditorWrapperV4_PresetBar::updateDisplay(index, value);
}

void ORLShellEditorWrapper::beginEdit(int32_t tag)
{
    if (master != nullptr)
        master->editorGestureBegan(tag);
}

void ORLShellEditorWrapper::endEdit(int32_t tag)
{
    if (master != nullptr)
        master->editorGestureEnded(tag);
}
} // namespace Orlund
