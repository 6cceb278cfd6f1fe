#include "UiScaleOption.h"

#include <lv2/atom/atom.h>
#include <lv2/ui/ui.h>

#include <cstring>

namespace
{
bool isEnd(const LV2_Options_Option& option)
{
    return option.key == 0 && option.value == nullptr;
}
} // namespace

UiScaleOption::UiScaleOption(const LV2_URID_Map* map)
{
    if (map == nullptr || map->map == nullptr)
        return;
    scaleFactor = map->map(map->handle, LV2_UI__scaleFactor);
    atomFloat = map->map(map->handle, LV2_ATOM__Float);
}

bool UiScaleOption::isScale(const LV2_Options_Option& option) const
{
    return scaleFactor != 0 && option.key == scaleFactor;
}

bool UiScaleOption::isFloat(const LV2_Options_Option& option) const
{
    return option.type == atomFloat && option.size == sizeof(float) && option.value != nullptr;
}

bool UiScaleOption::find(const LV2_Options_Option* options, float& scale) const
{
    bool read = false;
    for (auto o = options; o != nullptr && !isEnd(*o); ++o)
        if (isScale(*o) && isFloat(*o))
        {
            std::memcpy(&scale, o->value, sizeof scale);
            read = true;
        }
    return read;
}

uint32_t UiScaleOption::take(const LV2_Options_Option* options, float& scale) const
{
    uint32_t status = LV2_OPTIONS_SUCCESS;
    for (auto o = options; o != nullptr && !isEnd(*o); ++o)
        if (!isScale(*o))
            status |= LV2_OPTIONS_ERR_BAD_KEY;
        else if (!isFloat(*o))
            status |= LV2_OPTIONS_ERR_BAD_VALUE;
    find(options, scale);
    return status;
}

uint32_t UiScaleOption::describe(LV2_Options_Option* options, const float& scale) const
{
    uint32_t status = LV2_OPTIONS_SUCCESS;
    for (auto o = options; o != nullptr && o->key != 0; ++o)
    {
        if (!isScale(*o))
        {
            status |= LV2_OPTIONS_ERR_BAD_KEY;
            continue;
        }
        o->type = atomFloat;
        o->size = sizeof(float);
        o->value = &scale;
    }
    return status;
}
