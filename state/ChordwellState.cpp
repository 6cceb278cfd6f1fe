#include "ChordwellState.h"

#include <BankState.h>
#include <ORLChordwellController.h>
#include <ParameterTable.h>
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

uint32_t readU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

constexpr size_t kClosingWordsSize = bankstate::kClosingWordsSize;
} // namespace

std::vector<uint8_t> bankStateOf(std::span<const uint8_t> stateImage)
{
    std::vector<uint8_t> out(stateImage.begin(), stateImage.end());
    out.insert(out.end(), bankstate::kClosingWords, bankstate::kClosingWords + kClosingWordsSize);
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
        if (size != bytes.size() - kHeaderSize)
            return std::nullopt;
        result.values = values;
        result.bankState.assign(bytes.begin() + kHeaderSize, bytes.end());
    }
    else if (bytes.size() >= 4 && std::memcmp(bytes.data(), kHostFileMagic, 4) == 0)
    {
        // The state file's reader gives the verdict on the whole file, the bank chunk
        // included: nothing is left to check here.
        std::string error;
        auto contents = statefile::read(bytes, error);
        if (!contents)
            return std::nullopt;
        result.bankState = std::move(contents->bankState);
        // The values the state was saved with win over the bank's preset, as in the host's
        // restore: automation may have moved them.
        std::array<float, 8> values{};
        int found = 0;
        for (size_t slot = 0; slot < values.size(); ++slot)
            for (const statefile::HostValue& value : contents->hostValues)
                if (value.id == getParameterIdentifier(static_cast<int>(slot)))
                {
                    values[slot] = static_cast<float>(value.value);
                    ++found;
                    break;
                }
        if (found == static_cast<int>(values.size()))
            result.values = values;
        return result;
    }
    else
    {
        result.bankState.assign(bytes.begin(), bytes.end());
    }
    if (!bankstate::isAccepted(result.bankState))
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
