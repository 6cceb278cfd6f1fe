#include "PresetBank.h"

#include "FileLocations.h"
#include "FileNames.h"
#include "HintsFlag.h"
#include "ImageFile.h"

#include <CurrentFolder.h>
#include <FactoryPresets.h>
#include <ParameterTable.h>

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace presetimage;

namespace
{
bool isSharedSlot(int32_t p)
{
    return (getParameterFlags(p) & chordwell::kFlagSharedByPresets) != 0;
}

bool sameValues(const PresetRecord& a, const PresetRecord& b)
{
    return std::memcmp(a.values, b.values, sizeof a.values) == 0;
}

bool inBank(int32_t index)
{
    return index >= 0 && index < PresetBank::kPresetCount;
}
} // namespace

PresetBank::PresetBank(ORLMasterController* owner, bool storesSettingsOnClose)
    : folderPath(platform::currentFolder()), ownerController(owner),
      storesSettings(storesSettingsOnClose)
{
    if (folderPath.size() > kMaxPathPart)
        folderPath.clear();
    resetToFactory();
    templatePreset = working[0];
}

PresetBank::~PresetBank()
{
    if (!storesSettings)
        return;
    storeHintsFlag();
    saveFileLocations(*this);
}

void PresetBank::resetToFactory()
{
    for (int32_t i = 0; i < kPresetCount; ++i)
    {
        char name[32] = "Init";
        double values[PresetRecord::kValueCount] = {};
        getFactoryPreset(i, values, name);
        setPresetName(stored[i], name);
        for (int p = 0; p < PresetRecord::kValueCount; ++p)
            stored[i].values[p] = static_cast<float>(values[p]);
    }
    working = stored;
    compare = stored[current];
    edited.fill(0);
}

void PresetBank::commitPreset(int32_t index)
{
    if (!inBank(index))
        return;
    stored[index] = working[index];
    compare = working[index];
    edited[index] = 0;
}

void PresetBank::selectPreset(int32_t index)
{
    if (!inBank(index))
        return;
    current = index;
    compare = stored[index];
}

void PresetBank::setParameterValue(int32_t p, double v)
{
    // A NaN has no place in a preset: it would make every later image of it unreadable.
    if (p < 0 || p > parameterLimit || std::isnan(v))
        return;
    const auto value = static_cast<float>(std::clamp(v, 0.0, 1.0));
    if (p < PresetRecord::kValueCount)
    {
        working[current].values[p] = value;
        if (isSharedSlot(p))
        {
            for (int32_t i = 0; i < kPresetCount; ++i)
            {
                working[i].values[p] = value;
                stored[i].values[p] = value;
            }
            templatePreset.values[p] = value;
        }
    }
    updateEditedFlag();
}

void PresetBank::updateEditedFlag()
{
    edited[current] = sameValues(working[current], stored[current]) ? 0 : 1;
}

void PresetBank::renameCurrentPreset(const char* text)
{
    setPresetName(working[current], text);
    commitPreset(current);
}

void PresetBank::toggleCompare()
{
    const int32_t c = current;
    if (sameValues(working[c], stored[c]) && sameValues(compare, stored[c]))
    {
        edited[c] = 0;
        return;
    }
    if (edited[c] == 1)
    {
        compare = working[c];
        working[c] = stored[c];
        edited[c] = 0;
    }
    else
    {
        working[c] = compare;
        edited[c] = 1;
    }
}

std::vector<uint8_t> PresetBank::makePresetImage() const
{
    std::vector<uint8_t> image;
    image.reserve(kPresetImageSize);
    ImageHeader header;
    header.type = kPresetType;
    header.recordCount = 9;
    header.currentIndex = 0;
    header.payloadSize = kPresetPayloadSize;
    header.extra = extra;
    appendHeader(image, header);
    appendPresetRecords(image, working[current], 0);
    return image;
}

std::vector<uint8_t> PresetBank::makeBankImage() const
{
    std::vector<uint8_t> image;
    image.reserve(kBankImageSize);
    ImageHeader header;
    header.type = kBankType;
    header.recordCount = 9 * kPresetCount;
    header.currentIndex = current;
    header.payloadSize = kPresetPayloadSize * kPresetCount;
    header.extra = extra;
    appendHeader(image, header);
    for (int32_t i = 0; i < kPresetCount; ++i)
        appendPresetRecords(image, working[i], i);
    return image;
}

const uint8_t* PresetBank::makeHostState(int32_t& size)
{
    hostState.fill(0);
    std::vector<uint8_t> prefix;
    appendU32(prefix, kVersion);
    appendU32(prefix, kCode);
    const std::vector<uint8_t> bank = makeBankImage();
    std::memcpy(hostState.data(), prefix.data(), prefix.size());
    std::memcpy(hostState.data() + prefix.size(), bank.data(), bank.size());
    size = static_cast<int32_t>(kHostStateSize);
    return hostState.data();
}

LoadResult PresetBank::applyPresetRecords(const ImageHeader& header,
                                          std::span<const uint8_t> records, bool reversed)
{
    const PresetRecord before = working[current];
    working[current] = templatePreset;
    if (header.recordCount < 0)
    {
        working[current] = before;
        return LoadResult::Refused;
    }
    RecordWalker walker(records, reversed);
    ImageRecord record;
    for (int32_t n = 0; n < header.recordCount; ++n)
    {
        if (!walker.next(record))
        {
            working[current] = before;
            return LoadResult::Refused;
        }
        if (record.type == kNameRecord)
        {
            std::memcpy(working[current].name, record.name, sizeof record.name);
        }
        else if (record.type == kValueRecord && record.parameterIndex >= 0 &&
                 record.parameterIndex < PresetRecord::kValueCount)
        {
            if (!isNormalized(record.value))
            {
                working[current] = before;
                return LoadResult::Refused;
            }
            working[current].values[record.parameterIndex] = record.value;
        }
    }
    compare = stored[current];
    return LoadResult::Loaded;
}

LoadResult PresetBank::applyBankRecords(const ImageHeader& header, std::span<const uint8_t> records,
                                        bool reversed)
{
    if (header.recordCount < 0)
        return LoadResult::Refused;
    extra = header.extra;
    const int32_t newCurrent = inBank(header.currentIndex) ? header.currentIndex : 0;
    const auto before = working;
    RecordWalker walker(records, reversed);
    ImageRecord record;
    for (int32_t n = 0; n < header.recordCount; ++n)
    {
        if (!walker.next(record))
        {
            working = before;
            return LoadResult::Refused;
        }
        const int32_t q = record.presetIndex;
        if (!inBank(q))
            continue;
        if (record.type == kNameRecord)
        {
            working[q] = templatePreset;
            std::memcpy(working[q].name, record.name, sizeof record.name);
        }
        else if (record.type == kValueRecord && record.parameterIndex >= 0 &&
                 record.parameterIndex < PresetRecord::kValueCount)
        {
            if (!isNormalized(record.value))
            {
                working = before;
                return LoadResult::Refused;
            }
            working[q].values[record.parameterIndex] = record.value;
        }
    }
    current = newCurrent;
    compare = stored[current];
    return LoadResult::Loaded;
}

namespace
{
// Checks code and header of a whole image; on success header and reversed are filled.
LoadResult readImageStart(std::span<const uint8_t> image, uint8_t type, ImageHeader& header,
                          bool& reversed)
{
    const auto order = detectByteReversal(image);
    if (!order || image.size() < 5)
        return LoadResult::NotAnImage;
    reversed = *order;
    if (image[4] != type)
        return LoadResult::OtherType;
    const auto read = readHeader(image, reversed);
    if (!read)
        return LoadResult::Refused;
    header = *read;
    return LoadResult::Loaded;
}
} // namespace

LoadResult PresetBank::applyPresetImage(std::span<const uint8_t> image)
{
    ImageHeader header;
    bool reversed = false;
    const LoadResult start = readImageStart(image, kPresetType, header, reversed);
    if (start != LoadResult::Loaded)
        return start;
    return applyPresetRecords(header, image.subspan(kHeaderSize), reversed);
}

LoadResult PresetBank::applyBankImage(std::span<const uint8_t> image)
{
    ImageHeader header;
    bool reversed = false;
    const LoadResult start = readImageStart(image, kBankType, header, reversed);
    if (start != LoadResult::Loaded)
        return start;
    return applyBankRecords(header, image.subspan(kHeaderSize), reversed);
}

LoadResult PresetBank::loadPresetImage(std::span<const uint8_t> image)
{
    const LoadResult result = applyPresetImage(image);
    if (result != LoadResult::NotAnImage)
        commitPreset(current);
    return result;
}

LoadResult PresetBank::loadBankImage(std::span<const uint8_t> image)
{
    const LoadResult result = applyBankImage(image);
    if (result != LoadResult::NotAnImage)
    {
        for (int32_t i = 0; i < kPresetCount; ++i)
            commitPreset(i);
        commitPreset(current);
    }
    return result;
}

bool PresetBank::applyHostState(const uint8_t* block, size_t size)
{
    if (block == nullptr || size < kHostStatePrefixSize)
        return false;
    const std::span<const uint8_t> image(block + kHostStatePrefixSize, size - kHostStatePrefixSize);
    // The host hands back exactly what makeHostState wrote: read in our own byte order, with
    // neither prefix, code nor image type checked. The record walk stays within the block.
    const auto header = readHeader(image, false);
    if (!header)
        return false;
    const uint32_t extraBefore = extra;
    const int32_t currentBefore = current;
    const PresetRecord compareBefore = compare;
    const std::span<const uint8_t> records = image.subspan(kHeaderSize);
    if (applyBankRecords(*header, records, false) != LoadResult::Loaded ||
        !landsOnAPreset(*header, records))
    {
        extra = extraBefore;
        current = currentBefore;
        compare = compareBefore;
        return false;
    }
    return true;
}

bool PresetBank::landsOnAPreset(const ImageHeader& header, std::span<const uint8_t> records)
{
    RecordWalker walker(records, false);
    ImageRecord record;
    for (int32_t n = 0; n < header.recordCount && walker.next(record); ++n)
        if (inBank(record.presetIndex) &&
            (record.type == kNameRecord ||
             (record.type == kValueRecord && record.parameterIndex >= 0 &&
              record.parameterIndex < PresetRecord::kValueCount)))
            return true;
    return false;
}

bool PresetBank::rememberPath(const std::string& path, std::string& fileName)
{
    std::string folder, name;
    splitPath(path, folder, name);
    if (folder.size() > kMaxPathPart || name.size() > kMaxPathPart)
        return false;
    folderPath = folder;
    fileName = name;
    platform::setCurrentFolder(folder);
    return true;
}

bool PresetBank::savePresetFile(const std::string& path)
{
    if (!rememberPath(path, presetFile))
        return false;
    return writeImageFile(path, makePresetImage());
}

bool PresetBank::saveBankFile(const std::string& path)
{
    if (!rememberPath(path, bankFile))
        return false;
    return writeImageFile(path, makeBankImage());
}

LoadResult PresetBank::loadPresetFile(const std::string& path)
{
    if (!rememberPath(path, presetFile))
        return LoadResult::Unreadable;
    const auto bytes = readImageFile(path, true);
    if (!bytes)
        return LoadResult::Unreadable;
    return loadPresetImage(*bytes);
}

LoadResult PresetBank::loadBankFile(const std::string& path)
{
    if (!rememberPath(path, bankFile))
        return LoadResult::Unreadable;
    const auto bytes = readImageFile(path, true);
    if (!bytes)
        return LoadResult::Unreadable;
    return loadBankImage(*bytes);
}

bool PresetBank::currentValue(int slot, double& value) const
{
    if (slot < 0 || slot >= PresetRecord::kValueCount)
        return false;
    value = working[current].values[slot];
    return true;
}

const PresetRecord& PresetBank::workingPreset(int32_t index) const
{
    return working[inBank(index) ? index : current];
}

const PresetRecord& PresetBank::storedPreset(int32_t index) const
{
    return stored[inBank(index) ? index : current];
}

bool PresetBank::isEdited(int32_t index) const
{
    return inBank(index) && edited[index] != 0;
}
