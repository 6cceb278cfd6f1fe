#include "WindowZoom.h"

#include "RegistrySettings.h"

#include <algorithm>
#include <string>

namespace windowzoom
{
namespace
{
constexpr const char* kName = "WindowZoom";

bool isChoice(int percent)
{
    return std::find(kChoices.begin(), kChoices.end(), percent) != kChoices.end();
}
} // namespace

int storedPercent()
{
    platform::StoredValue stored;
    if (productSettings().read(kName, stored) != platform::kStoreOk ||
        stored.type != platform::StoredType::String || stored.data.empty() ||
        stored.data.size() > 3)
        return 100;
    int percent = 0;
    for (const uint8_t c : stored.data)
    {
        if (c < '0' || c > '9')
            return 100;
        percent = percent * 10 + (c - '0');
    }
    return isChoice(percent) ? percent : 100;
}

bool storePercent(int percent)
{
    if (!isChoice(percent))
        return false;
    return productSettings().write(kName, platform::StoredValue::text(std::to_string(percent))) ==
           platform::kStoreOk;
}
} // namespace windowzoom
