#pragma once

#include <lv2/options/options.h>
#include <lv2/urid/urid.h>

// The host's scale for the UI as LV2 options carry it: ui:scaleFactor, one atom:Float. Known
// only with the host's URID map (without it, nothing is read and everything is refused).
// The host's UI thread.
class UiScaleOption
{
  public:
    explicit UiScaleOption(const LV2_URID_Map* map);

    // The scale among options (an array closed by an entry of key 0 and no value, or null),
    // written to scale; false (scale untouched) when none is there in a form we read.
    bool find(const LV2_Options_Option* options, float& scale) const;
    // What the options interface's set answers for the options: each ui:scaleFactor given as
    // one float is taken into scale (the last one wins), any other value of it is
    // LV2_OPTIONS_ERR_BAD_VALUE, any other key LV2_OPTIONS_ERR_BAD_KEY.
    uint32_t take(const LV2_Options_Option* options, float& scale) const;
    // What the options interface's get answers: ui:scaleFactor filled in pointing at scale
    // (which must outlive the host's reading), any other key LV2_OPTIONS_ERR_BAD_KEY.
    uint32_t describe(LV2_Options_Option* options, const float& scale) const;

  private:
    bool isScale(const LV2_Options_Option& option) const;
    bool isFloat(const LV2_Options_Option& option) const;

    LV2_URID scaleFactor = 0;
    LV2_URID atomFloat = 0;
};
