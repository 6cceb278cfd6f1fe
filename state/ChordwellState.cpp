#include "ChordwellState.h"

#include <ORLChordwellController.h>
#include <PresetBank.h>
#include <PresetImage.h>
#include <StateFile.h>

#include <cstring>
#include <string>

namespace chordwell::sessionstate
{
namespace
{
constexpr uint8_t kMagic[4] = {'O', 'R', 'L', '3'};
// chordwell-host's state files (every chunk of the AAX shell).
constexpr uint8_t kHostFileMagic[4] = {'O', 'C', 'w', 's'};
// The state image starts with the version word 0x02000000 and the code's bytes "lWcQ".
constexpr uint8_t kImagePrefix[8] = {0x00, 0x00, 0x00, 0x02, 'l', 'W', 'c', 'Q'};

uint32_t readU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

constexpr size_t kClosingWordsSize = 8;

// A bank image that a bank takes as a whole: right code and type, records within bounds,
// every value within 0..1.
bool isAcceptedBank(std::span<const uint8_t> stateImage)
{
    namespace image = presetimage;
    const auto bankImage = stateImage.subspan(image::kHostStatePrefixSize);
    const auto header = image::readHeader(bankImage, false);
    if (!header || header->code != image::kCode || header->type != image::kBankType)
        return false;
    PresetBank scratch(nullptr, false);
    return scratch.applyBankRecords(*header, bankImage.subspan(image::kHeaderSize), false) ==
           LoadResult::Loaded;
}

bool isBankState(std::span<const uint8_t> bytes)
{
    // The state image and the two closing words at the least.
    return bytes.size() >= presetimage::kHostStateSize + kClosingWordsSize &&
           bytes.size() <= kMaxBankState &&
           std::memcmp(bytes.data(), kImagePrefix, sizeof kImagePrefix) == 0;
}
} // namespace

std::vector<uint8_t> bankStateOf(std::span<const uint8_t> stateImage)
{
    static constexpr uint8_t kClosingWords[kClosingWordsSize] = {0x00, 0x00, 0x30, 0x00,
                                                                 0x00, 0x00, 0x30, 0x00};
    std::vector<uint8_t> out(stateImage.begin(), stateImage.end());
    out.insert(out.end(), kClosingWords, kClosingWords + kClosingWordsSize);
    return out;
}

std::vector<uint8_t> encode(const std::array<float, 8>& values, std::span<const uint8_t> bankState)
{
    std::vector<uint8_t> out(kMagic, kMagic + 4);
    presetimage::appendU32(out, kVersion);
    presetimage::appendU32(out, 8);
    for (float v : values)
    {
        uint32_t bits;
        std::memcpy(&bits, &v, 4);
        presetimage::appendU32(out, bits);
    }
    presetimage::appendU32(out, static_cast<uint32_t>(bankState.size()));
    out.insert(out.end(), bankState.begin(), bankState.end());
    return out;
}

std::optional<Decoded> decode(std::span<const uint8_t> bytes)
{
    Decoded result;
    if (bytes.size() >= 4 && std::memcmp(bytes.data(), kMagic, 4) == 0)
    {
        if (bytes.size() < kHeaderSize || readU32(bytes.data() + 4) != kVersion ||
            readU32(bytes.data() + 8) != 8)
            return std::nullopt;
        std::array<float, 8> values{};
        for (size_t i = 0; i < 8; ++i)
        {
            const uint32_t bits = readU32(bytes.data() + 12 + 4 * i);
            std::memcpy(&values[i], &bits, 4);
            if (!presetimage::isNormalized(values[i]))
                return std::nullopt;
        }
        const uint32_t size = readU32(bytes.data() + 44);
        if (size != bytes.size() - kHeaderSize || !isBankState(bytes.subspan(kHeaderSize)))
            return std::nullopt;
        result.values = values;
        result.bankState.assign(bytes.begin() + kHeaderSize, bytes.end());
    }
    else if (bytes.size() >= 4 && std::memcmp(bytes.data(), kHostFileMagic, 4) == 0)
    {
        // The AAX shell restores its parameter chunk first and the bank after it, which sets
        // every value from the current preset: the bank alone gives the same result here.
        std::string error;
        auto contents = statefile::read(bytes, error);
        if (!contents || !isBankState(contents->bankState))
            return std::nullopt;
        result.bankState = std::move(contents->bankState);
    }
    else
    {
        if (!isBankState(bytes))
            return std::nullopt;
        result.bankState.assign(bytes.begin(), bytes.end());
    }
    if (!isAcceptedBank(stateImageOf(result)))
        return std::nullopt;
    return result;
}

std::span<const uint8_t> stateImageOf(const Decoded& decoded)
{
    const std::span<const uint8_t> bank(decoded.bankState);
    return bank.first(bank.size() - kClosingWordsSize);
}

std::vector<uint8_t> bankStateOf(ORLChordwellController& controller)
{
    const void* image = nullptr;
    const int32_t size = controller.getStateImage(&image);
    if (image == nullptr || size <= 0)
        return {};
    return bankStateOf({static_cast<const uint8_t*>(image), static_cast<size_t>(size)});
}

void restoreBank(ORLChordwellController& controller, const Decoded& decoded)
{
    const auto image = stateImageOf(decoded);
    controller.setStateImage(image.data(), static_cast<int32_t>(image.size()), nullptr);
}
} // namespace chordwell::sessionstate
