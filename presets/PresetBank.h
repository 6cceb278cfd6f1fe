#pragma once

#include "PresetImage.h"
#include "PresetRecord.h"

#include <ORLPresetModel.h>

#include <array>
#include <span>
#include <string>
#include <vector>

class ORLMasterController;

// Outcome of laying an image or a file onto the bank.
enum class LoadResult
{
    Loaded,     // applied
    Unreadable, // the file could not be opened or read, or its path was refused
    NotAnImage, // too short, or another code: nothing changed
    OtherType,  // a bank where a preset was expected or the reverse: nothing applied
    Refused,    // damaged header or records, or a value outside 0..1: nothing applied
};

// The instance's ten presets: the working values being edited, the values last committed,
// the compare copy and the edited flags, with the preset, bank and host-state images and the
// preset and bank files. Created and owned by the master controller.
// Main thread only (no lock): the audio path never reaches it.
class PresetBank final : public ORLPresetModel
{
  public:
    static constexpr int32_t kPresetCount = 10;
    static constexpr size_t kMaxPathPart = 256;

    // Main thread. Starts in the current folder with the factory bank, preset 0 current.
    // storesSettingsOnClose false makes a scratch bank (tools reading files) that leaves the
    // user's settings alone.
    explicit PresetBank(ORLMasterController* owner, bool storesSettingsOnClose = true);
    // Main thread. Stores the hints flag and the last file locations in the user's settings.
    ~PresetBank() override;
    PresetBank(const PresetBank&) = delete;
    PresetBank& operator=(const PresetBank&) = delete;

    // Main thread. Rebuilds all ten presets from the factory presets and commits them; the
    // current index stays.
    void resetToFactory();
    // Main thread. stored = working for preset index; clears its edited flag. Out of range:
    // nothing.
    void commitPreset(int32_t index) override;
    // Main thread. Makes index current; the compare copy takes its stored state. Out of
    // range: nothing.
    void selectPreset(int32_t index);
    // Main thread. One value from the controller, clamped to 0..1: into the current preset,
    // and for the shared slots 0, 1 and 7 into every preset. NaN or p outside 0..8: nothing.
    void setParameterValue(int32_t p, double v) override;
    // Main thread. Names the current preset (cut to 23 characters) and commits it.
    void renameCurrentPreset(const char* text);
    // Main thread. Swaps the current preset between its edited and its committed values.
    void toggleCompare();

    // Main thread. The 465-byte preset image of the current preset.
    std::vector<uint8_t> makePresetImage() const;
    // Main thread. The 4281-byte bank image of the working bank.
    std::vector<uint8_t> makeBankImage() const;
    // Main thread. The 4289-byte host state; valid until the next call.
    const uint8_t* makeHostState(int32_t& size) override;

    // Main thread. Lays the records of a preset image onto the current preset, starting from
    // the template record; reversed means a byte-reversed image. Nothing is committed. A
    // negative record count, a value outside 0..1 or a record running past the end of
    // records refuses the image and leaves the preset as it was.
    LoadResult applyPresetRecords(const presetimage::ImageHeader& header,
                                  std::span<const uint8_t> records, bool reversed);
    // Main thread. The same for a bank image onto the working bank; also takes the extra
    // header value and the current index (0 when outside 0..9).
    LoadResult applyBankRecords(const presetimage::ImageHeader& header,
                                std::span<const uint8_t> records, bool reversed);

    // Main thread. A whole preset image in either byte order (code, type 0x22, records):
    // the reader of the memo slots. Nothing is committed.
    LoadResult applyPresetImage(std::span<const uint8_t> image);
    // Main thread. The same for a bank image (type 0x38).
    LoadResult applyBankImage(std::span<const uint8_t> image);
    // Main thread. What loading a preset file does with its bytes: applyPresetImage, then,
    // whenever the code was right, commits the current preset.
    LoadResult loadPresetImage(std::span<const uint8_t> image);
    // Main thread. What loading a bank file does with its bytes: applyBankImage, then,
    // whenever the code was right, commits presets 0-9 and the current one once more.
    LoadResult loadBankImage(std::span<const uint8_t> image);
    // Main thread. Restores a host state block (prefix, bank image) of size bytes. False,
    // with nothing changed (the extra header value included), when the block is too short,
    // its records are damaged or none of them lands on a preset.
    bool applyHostState(const uint8_t* block, size_t size) override;

    // Main thread. The file operations: the path's folder and file name are remembered (a
    // folder or name longer than 256 characters refuses the path, nothing changes), then the
    // file is written or read. Saving returns false when the file could not be written.
    bool savePresetFile(const std::string& path);
    LoadResult loadPresetFile(const std::string& path);
    bool saveBankFile(const std::string& path);
    LoadResult loadBankFile(const std::string& path);

    // Main thread. Read access for the preset bar, the controller and the settings; an index
    // outside 0-9 reads the current preset.
    int32_t currentIndex() const override { return current; }
    bool currentValue(int slot, double& value) const override;
    uint32_t extraHeaderValue() const override { return extra; }
    const PresetRecord& workingPreset(int32_t index) const;
    const PresetRecord& storedPreset(int32_t index) const;
    const PresetRecord& compareCopy() const { return compare; }
    const PresetRecord& templateRecord() const { return templatePreset; }
    bool isEdited(int32_t index) const;
    const char* presetName(int32_t index) const { return workingPreset(index).name; }
    const std::string& folder() const { return folderPath; }
    const std::string& bankFileName() const { return bankFile; }
    const std::string& presetFileName() const { return presetFile; }
    ORLMasterController* owner() const { return ownerController; }

  private:
    // Whether any of the first recordCount records names or sets a preset of the bank.
    static bool landsOnAPreset(const presetimage::ImageHeader& header,
                               std::span<const uint8_t> records);
    bool rememberPath(const std::string& path, std::string& fileName);
    void updateEditedFlag();

    std::string folderPath;
    std::string bankFile;
    std::string presetFile;
    std::array<uint8_t, 4545> hostState{};
    std::array<PresetRecord, kPresetCount> working{};
    int32_t current = 0;
    PresetRecord templatePreset;
    std::array<PresetRecord, kPresetCount> stored{};
    PresetRecord compare;
    std::array<uint8_t, kPresetCount> edited{};
    int32_t parameterLimit = 8;
    uint32_t extra = 0;
    ORLMasterController* ownerController;
    bool storesSettings;
};
