#pragma once

#include "LiveObjects.h"

#include <AAX_CEffectGUI.h>

// The effect's GUI object. For now it reports the window size and has no view contents;
// the editor attaches here. Main thread.
class ORL_QcWl_0x011005_ORL_AAXWrapper_GUI final : public AAX_CEffectGUI, private LiveObject
{
  public:
    static constexpr float kWidth = 401.0f;
    static constexpr float kHeight = 301.0f;

    AAX_Result GetViewSize(AAX_Point* size) const override;
};
