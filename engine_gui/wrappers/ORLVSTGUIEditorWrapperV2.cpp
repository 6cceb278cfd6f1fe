#include "ORLVSTGUIEditorWrapperV2.h"

#include "CORLControlView.h"
#include "IdleUpdate_ORL_Handler.h"
#include "ORLFrame.h"
#include "ParameterTable.h"

#include <algorithm>

namespace Orlund
{
ORLVSTGUIEditorWrapperV2::ORLVSTGUIEditorWrapperV2()
{
    IdleUpdate_ORL_Handler::start();
    setRect(Steinberg::ViewRect(0, 0, kWidth, kHeight));
}

void ORLVSTGUIEditorWrapperV2::clamp(Steinberg::ViewRect& r) const
{
    const int width = std::clamp(r.getWidth(), minimumSize.getWidth(), maximumSize.getWidth());
    const int height = std::clamp(r.getHeight(), minimumSize.getHeight(), maximumSize.getHeight());
    r.right = r.left + width;
    r.bottom = r.top + height;
}

Steinberg::tresult PLUGIN_API ORLVSTGUIEditorWrapperV2::getSize(Steinberg::ViewRect* size)
{
    if (!size)
        return Steinberg::kInvalidArgument;
    *size = Steinberg::ViewRect(0, 0, kWidth, kHeight);
    return Steinberg::kResultTrue;
}

Steinberg::tresult PLUGIN_API ORLVSTGUIEditorWrapperV2::onSize(Steinberg::ViewRect* newSize)
{
    if (!newSize)
        return Steinberg::kInvalidArgument;
    clamp(*newSize);
    setRect(*newSize);
    return Steinberg::kResultTrue;
}

Steinberg::tresult PLUGIN_API
ORLVSTGUIEditorWrapperV2::checkSizeConstraint(Steinberg::ViewRect* rect)
{
    if (!rect)
        return Steinberg::kInvalidArgument;
    clamp(*rect);
    return Steinberg::kResultTrue;
}

Steinberg::tresult PLUGIN_API ORLVSTGUIEditorWrapperV2::findParameter(
    Steinberg::int32 xPos, Steinberg::int32 yPos, Steinberg::Vst::ParamID& resultTag)
{
    ORLFrame* window = getFrame();
    if (!window)
        return Steinberg::kResultFalse;
    const auto* view = static_cast<const juce::Component*>(
        window->findViewAt({static_cast<double>(xPos), static_cast<double>(yPos)}));
    const auto* control = dynamic_cast<const CORLControlView*>(view);
    if (!control || control->getTag() < 0 || control->getTag() >= chordwell::kPublicSlotCount)
        return Steinberg::kResultFalse;
    resultTag = static_cast<Steinberg::Vst::ParamID>(control->getTag());
    return Steinberg::kResultTrue;
}
} // namespace Orlund
