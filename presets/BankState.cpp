#include "BankState.h"

#include "PresetBank.h"
#include "PresetImage.h"

#include <cstring>

namespace bankstate
{
namespace
{
// The state image starts with the version word 0x02000000 and the code's bytes "lWcQ".
constexpr uint8_t kImagePrefix[8] = {0x00, 0x00, 0x00, 0x02, 'l', 'W', 'c', 'Q'};
} // namespace

bool isAccepted(std::span<const uint8_t> bytes)
{
    namespace image = presetimage;
    if (bytes.size() < image::kHostStateSize + kClosingWordsSize || bytes.size() > kMaxSize ||
        std::memcmp(bytes.data(), kImagePrefix, sizeof kImagePrefix) != 0)
        return false;
    const auto bankImage =
        bytes.subspan(image::kHostStatePrefixSize,
                      bytes.size() - image::kHostStatePrefixSize - kClosingWordsSize);
    const auto header = image::readHeader(bankImage, false);
    if (!header || header->code != image::kCode || header->type != image::kBankType)
        return false;
    PresetBank scratch(nullptr, false);
    return scratch.applyBankRecords(*header, bankImage.subspan(image::kHeaderSize), false) ==
           LoadResult::Loaded;
}
} // namespace bankstate
