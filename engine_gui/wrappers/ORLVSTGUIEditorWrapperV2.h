#pragma once

#include "ORLVSTGUIEditorWrapperV1.h"

#include <pluginterfaces/vst/ivstplugview.h>

namespace Orlund
{
// The window at its one size: every size the host proposes is clamped to 401 x 301. Tells the
// host which parameter lies under a point. The first one in the process starts the idle
// update handler. Main (UI) thread only.
class ORLVSTGUIEditorWrapperV2 : public ORLVSTGUIEditorWrapperV1,
                                 public Steinberg::Vst::IParameterFinder
{
  public:
    static constexpr int kWidth = 401;
    static constexpr int kHeight = 301;

    ORLVSTGUIEditorWrapperV2();

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

    Steinberg::ViewRect minimumSize{0, 0, kWidth, kHeight};
    Steinberg::ViewRect maximumSize{0, 0, kWidth, kHeight};
};
} // namespace Orlund
