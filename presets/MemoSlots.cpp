#include "MemoSlots.h"

#include "RegistrySettings.h"

namespace
{
const char* valueName(MemoSlot slot)
{
    return slot == MemoSlot::A ? "MemoA" : "MemoB";
}
} // namespace

int32_t storeMemo(MemoSlot slot, const PresetBank& bank)
{
    const std::vector<uint8_t> image = bank.makePresetImage();
    return productSettings().write(valueName(slot),
                                   platform::StoredValue::binary(image.data(), image.size()));
}

LoadResult recallMemo(MemoSlot slot, PresetBank& bank)
{
    platform::StoredValue stored;
    if (productSettings().read(valueName(slot), stored) != platform::kStoreOk)
        return LoadResult::Unreadable;
    return bank.applyPresetImage(stored.data);
}
