#pragma once

#include "ORLVSTGUIEditorWrapperV1.h"

#include <pluginterfaces/vst/ivstplugview.h>

namespace Orlund
{
// The window's size for a VST 3 host: 401 x 301 times the window's scale, the size a resizing
// host is held to; a size the host gives anyway is filled whole. Tells the host which
// parameter lies under a point. The first one in the process starts the idle update handler.
// Main (UI) thread only.
class ORLVSTGUIEditorWrapperV2 : public ORLVSTGUIEditorWrapperV1,
                                 public Steinberg::Vst::IParameterFinder
{
  public:
    static constexpr int kWidth = 401;
    static constexpr int kHeight = 301;
    // The largest side a host may give the window (beyond it, the window stops growing).
    static constexpr int kMaximumSide = 16384;

    ORLVSTGUIEditorWrapperV2();

    // Main thread. The size a window opened now would ask for at the host's scale, with the
    // user's stored zoom: what a host asks before any window exists.
    static Steinberg::ViewRect sizeBeforeOpening(float hostScale);

    // The parameter (0-7) of the topmost control at the point, in window pixels.
    Steinberg::tresult PLUGIN_API findParameter(Steinberg::int32 xPos, Steinberg::int32 yPos,
                                                Steinberg::Vst::ParamID& resultTag) override;
    Steinberg::tresult PLUGIN_API getSize(Steinberg::ViewRect* size) override;
    Steinberg::tresult PLUGIN_API onSize(Steinberg::ViewRect* newSize) override;
    Steinberg::tresult PLUGIN_API checkSizeConstraint(Steinberg::ViewRect* rect) override;

    OBJ_METHODS(ORLVSTGUIEditorWrapperV2, Steinberg::CPluginView)
    DEFINE_INTERFACES
    DEF_INTERFACE(Steinberg::Vst::IParameterFinder)
    END_DEFINE_INTERFACES(Steinberg::CPluginView)
    REFCOUNT_METHODS(Steinberg::CPluginView)

  private:
    void clamp(Steinberg::ViewRect& r) const;
};
} // namespace Orlund
