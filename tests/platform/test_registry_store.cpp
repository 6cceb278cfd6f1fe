// The settings store as the registry holds it (Windows only).
#include <ScratchStore.h>
#include <SettingsStore.h>

#include <gtest/gtest.h>

#include <windows.h>

using platform::SettingsStore;
using platform::StoredValue;

namespace
{
std::wstring wide(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

// The type and bytes the registry itself holds.
std::pair<DWORD, std::vector<uint8_t>> raw(const std::string& key, const wchar_t* name)
{
    std::vector<uint8_t> bytes(4096);
    DWORD type = REG_NONE, size = static_cast<DWORD>(bytes.size());
    RegGetValueW(HKEY_CURRENT_USER, wide(key).c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                 bytes.data(), &size);
    bytes.resize(type == REG_NONE ? 0 : size);
    return {type, bytes};
}

std::string text(const StoredValue& value)
{
    return {value.data.begin(), value.data.end()};
}

TEST(RegistryStore, binaries_and_utf16_strings_are_stored_and_read_at_their_exact_size)
{
    ScratchStore scratch;
    const std::string key = scratch.storeFile();
    SettingsStore store(key);
    const std::vector<uint8_t> memo(465, 0xa5);
    const std::string folder = "C:\\Pr\xc3\xa9r\xc3\xa9glages \xe2\x99\xaa\\";
    ASSERT_EQ(store.write({{"MemoA", StoredValue::binary(memo.data(), memo.size())},
                           {"CurrDir", StoredValue::text(folder)}}),
              platform::kStoreOk);
    EXPECT_EQ(raw(key, L"MemoA"), std::make_pair(DWORD{REG_BINARY}, memo));
    const wchar_t utf16[] = L"C:\\Pr\u00e9r\u00e9glages \u266a\\";
    const auto* utf16Bytes = reinterpret_cast<const uint8_t*>(utf16);
    EXPECT_EQ(
        raw(key, L"CurrDir"),
        std::make_pair(DWORD{REG_SZ}, std::vector<uint8_t>(utf16Bytes, utf16Bytes + sizeof utf16)))
        << "with its NUL";
    StoredValue value;
    ASSERT_EQ(store.read("currdir", value), platform::kStoreOk) << "names ignore case";
    EXPECT_EQ(text(value), folder);

    // Strings written by others: without their NUL, of an odd size, expandable, or not strings.
    const wchar_t abc[] = {L'a', L'b', L'c'};
    RegSetKeyValueW(HKEY_CURRENT_USER, wide(key).c_str(), L"NoNul", REG_SZ, abc, sizeof abc);
    RegSetKeyValueW(HKEY_CURRENT_USER, wide(key).c_str(), L"Odd", REG_SZ, "x\0y\0z", 5);
    const wchar_t manual[] = L"%ProgramFiles%\\Manual.pdf";
    RegSetKeyValueW(HKEY_CURRENT_USER, wide(key).c_str(), L"Manual", REG_EXPAND_SZ, manual,
                    sizeof manual);
    const DWORD seven = 7;
    RegSetKeyValueW(HKEY_CURRENT_USER, wide(key).c_str(), L"Seven", REG_DWORD, &seven, 4);
    for (const auto& [name, expected] : {std::pair<std::string, std::string>{"NoNul", "abc"},
                                         {"Odd", "xy"},
                                         {"Manual", "%ProgramFiles%\\Manual.pdf"},
                                         {"Seven", std::string("\7\0\0\0", 4)}})
    {
        ASSERT_EQ(store.read(name, value), platform::kStoreOk) << name;
        EXPECT_EQ(text(value), expected) << name;
    }
    EXPECT_EQ(value.type, platform::StoredType::Binary);

    // What UTF-16 cannot say is refused rather than stored as something else.
    testing::internal::CaptureStderr();
    EXPECT_EQ(store.write("Bad\xff", StoredValue::text("x")), platform::kStoreFailed);
    EXPECT_EQ(store.write("CurrBank", StoredValue::text("a\xc3")), platform::kStoreFailed);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot be written"), std::string::npos);
    EXPECT_EQ(store.read("CurrBank", value), platform::kStoreNotFound);
}

TEST(RegistryStore, lives_in_the_products_key_unless_moved_to_a_test_key_of_its_own)
{
    const std::string product = "SOFTWARE\\Orlund\\ORLChordwell";
    EXPECT_EQ(platform::userStorePath("Orlund", "ORLChordwell", nullptr), product);
    ScratchStore scratch;
    auto movedTo = [](const std::string& folder)
    {
        _putenv_s(ScratchStore::kVariable, folder.c_str());
        return platform::userStorePath("Orlund", "ORLChordwell", ScratchStore::kVariable);
    };
    EXPECT_EQ(movedTo("C:\\Temp\\Pr\xc3\xa9 x/y"), product + "-test-C__Temp_Pr___x_y");
    // Long folders keep a short key, and two that end alike keep keys of their own.
    const std::string one = movedTo("C:\\one\\" + std::string(70, 'f'));
    EXPECT_NE(one, movedTo("C:\\two\\" + std::string(70, 'f')));
    EXPECT_EQ(one.size(), product.size() + 6 + 57);
    EXPECT_EQ(movedTo(""), product);
}
} // namespace
