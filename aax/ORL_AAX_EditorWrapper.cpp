#include "ORL_AAX_EditorWrapper.h"

#include "KeyboardChord.h"
#include "ORL_QcWl_0x011005_ORL_AAXWrapper_GUI.h"

#include <AAX_IViewContainer.h>
#include <ParameterTable.h>

namespace
{
constexpr uint32_t kChordModifiers = 14;
} // namespace

ORL_AAX_EditorWrapper::ORL_AAX_EditorWrapper() : chordQuery(platform::ctrlAltWindowsDown) {}

void ORL_AAX_EditorWrapper::open(void* nativeView, bool inComponent)
{
    openWindow(nativeView, inComponent ? kPlatformTypeToolkitComponent : kPlatformTypeNativeWindow);
}

void ORL_AAX_EditorWrapper::resized()
{
    const Steinberg::ViewRect& frame = getRect();
    rect = {static_cast<double>(frame.left), static_cast<double>(frame.top),
            static_cast<double>(frame.right), static_cast<double>(frame.bottom)};
    if (gui == nullptr)
        return;
    if (AAX_IViewContainer* container = gui->viewContainer())
    {
        AAX_Point size;
        size.vert = static_cast<float>(rect.bottom - rect.top);
        size.horz = static_cast<float>(rect.right - rect.left);
        container->SetViewSize(size);
    }
}

bool ORL_AAX_EditorWrapper::requestWindowSize(int width, int height)
{
    if (gui == nullptr || gui->viewContainer() == nullptr)
        return false;
    // The container makes room and never answers with a size of its own: the window follows.
    resized();
    hostResized(width, height);
    return true;
}

void ORL_AAX_EditorWrapper::resizeEditor(int32_t, int32_t)
{
    resized();
}

uint32_t ORL_AAX_EditorWrapper::hostModifiers(int32_t buttons) const
{
    uint32_t modifiers = 0;
    if (buttons & kORLRightButton)
        modifiers |= 16;
    if (buttons & kORLControl)
        modifiers |= 8;
    if (buttons & kORLAlt)
        modifiers |= 4;
    if (buttons & 0x80)
        modifiers |= 2;
    if (chordQuery && chordQuery())
        modifiers = kChordModifiers;
    return modifiers;
}

void ORL_AAX_EditorWrapper::hostMouseDown(int32_t tag, int32_t buttons)
{
    if (tag < 0 || tag >= chordwell::kSlotCount ||
        !(getParameterFlags(tag) & chordwell::kFlagHostParameter))
        return;
    if (gui == nullptr || !isOpen())
        return;
    if (AAX_IViewContainer* container = gui->viewContainer())
        container->HandleParameterMouseDown(getParameterIdentifier(tag), hostModifiers(buttons));
}
