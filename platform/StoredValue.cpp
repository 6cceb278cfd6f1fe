#include "SettingsStore.h"

namespace platform
{
StoredValue StoredValue::binary(const void* bytes, size_t size)
{
    StoredValue value;
    value.type = StoredType::Binary;
    const auto* begin = static_cast<const uint8_t*>(bytes);
    value.data.assign(begin, begin + size);
    return value;
}

StoredValue StoredValue::text(const std::string& text)
{
    StoredValue value;
    value.type = StoredType::String;
    value.data.assign(text.begin(), text.end());
    return value;
}
} // namespace platform
