// The product's registry values written and read by the product's own code, for
// scripts/windows/registry-roundtrip.sh, which checks what the registry then holds. Windows
// only; uses the user's real key, so only ever in a test Wine prefix.
#include <FileAccess.h>
#include <HintsFlag.h>
#include <Manual.h>
#include <MemoSlots.h>
#include <PresetBank.h>
#include <RegistrySettings.h>

#include <ParameterTable.h>

#include <cstdio>
#include <filesystem>
#include <string>

int main()
{
    int failures = 0;
    auto check = [&failures](bool ok, const char* what)
    {
        if (!ok)
        {
            std::printf("failed: %s\n", what);
            ++failures;
        }
    };
    // Put there by the script before this runs.
    std::printf("ManualPath=%s\n", manualPath().c_str());

    std::error_code error;
    const std::string folder = platform::utf8FromPath(
        std::filesystem::temp_directory_path(error) /
        platform::pathFromUtf8("orl-roundtrip-Pr\xc3\xa9r\xc3\xa9glages \xe2\x99\xaa"));
    std::filesystem::create_directories(platform::pathFromUtf8(folder), error);
    check(!error, "make the folder");
    {
        PresetBank bank(nullptr);
        bank.selectPreset(3);
        check(storeMemo(MemoSlot::A, bank) == platform::kStoreOk, "store memo A");
        bank.selectPreset(1);
        check(storeMemo(MemoSlot::B, bank) == platform::kStoreOk, "store memo B");
        check(bank.saveBankFile(folder + "\\roundtrip.orb"), "save the bank");
        check(bank.savePresetFile(folder + "\\roundtrip.orl"), "save the preset");
        setHintsFlag(0);
    } // stores the hints flag and the file locations

    PresetBank reader(nullptr, false);
    check(recallMemo(MemoSlot::A, reader) == LoadResult::Loaded, "recall memo A");
    std::printf("MemoA=%s\n", reader.presetName(reader.currentIndex()));
    check(recallMemo(MemoSlot::B, reader) == LoadResult::Loaded, "recall memo B");
    std::printf("MemoB=%s\n", reader.presetName(reader.currentIndex()));
    double hints = 0.5;
    check(readSetting(chordwell::kHintsSetting, hints) == platform::kStoreOk, "read setting 45");
    std::printf("Hints=%g\n", hints);
    std::filesystem::remove_all(platform::pathFromUtf8(folder), error);
    return failures == 0 ? 0 : 1;
}
