#include "ORLVSTGUIEditorWrapperV2.h"

#include "CORLControlView.h"
#include "IdleUpdate_ORL_Handler.h"
#include "ORLFrame.h"
#include "ORLScaledWindow.h"
#include "ParameterTable.h"
#include "WindowZoom.h"

#include <algorithm>

namespace Orlund
{
ORLVSTGUIEditorWrapperV2::ORLVSTGUIEditorWrapperV2()
{
    IdleUpdate_ORL_Handler::start();
}

Steinberg::ViewRect ORLVSTGUIEditorWrapperV2::sizeBeforeOpening(float hostScale)
{
    const auto size = ORLScaledWindow::scaledBounds(
        kWidth, kHeight, windowScale(hostScale, windowzoom::storedPercent()));
    return Steinberg::ViewRect(0, 0, size.getWidth(), size.getHeight());
}

void ORLVSTGUIEditorWrapperV2::clamp(Steinberg::ViewRect& r) const
{
    const Steinberg::ViewRect wanted = wantedRect();
    r.right = r.left + wanted.getWidth();
    r.bottom = r.top + wanted.getHeight();
}

Steinberg::tresult PLUGIN_API ORLVSTGUIEditorWrapperV2::getSize(Steinberg::ViewRect* size)
{
    if (!size)
        return Steinberg::kInvalidArgument;
    *size = wantedRect();
    return Steinberg::kResultTrue;
}

Steinberg::tresult PLUGIN_API ORLVSTGUIEditorWrapperV2::onSize(Steinberg::ViewRect* newSize)
{
    if (!newSize || newSize->getWidth() <= 0 || newSize->getHeight() <= 0)
        return Steinberg::kInvalidArgument;
    // The host's size wins: the window fills it, the panel centred or anchored in it.
    hostResized(std::min(newSize->getWidth(), kMaximumSide),
                std::min(newSize->getHeight(), kMaximumSide));
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
    ORLFrame* frame = getFrame();
    if (!frame)
        return Steinberg::kResultFalse;
    const auto at = toFrameUnits({static_cast<int>(xPos), static_cast<int>(yPos)});
    const auto* view = static_cast<const juce::Component*>(
        frame->findViewAt({static_cast<double>(at.x), static_cast<double>(at.y)}));
    const auto* control = dynamic_cast<const CORLControlView*>(view);
    if (!control || control->getTag() < 0 || control->getTag() >= chordwell::kPublicSlotCount)
        return Steinberg::kResultFalse;
    resultTag = static_cast<Steinberg::Vst::ParamID>(control->getTag());
    return Steinberg::kResultTrue;
}
} // namespace Orlund
