#include <StoredText.h>

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(StoredText, utf8_names_stay_as_they_are_and_any_other_bytes_read_as_windows_1252)
{
    EXPECT_EQ(storedTextAsUtf8("Low & Dark"), "Low & Dark");
    EXPECT_EQ(storedTextAsUtf8("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xC3\xA9 \xE2\x82\xAC");
    // A bank saved on Windows: "À la claire fontaine!!" in its code page.
    EXPECT_EQ(storedTextAsUtf8("\xC0 la claire fontaine!!"), "\xC3\x80 la claire fontaine!!");
    EXPECT_EQ(storedTextAsUtf8("\x80\x9F\xFF"), "\xE2\x82\xAC\xC5\xB8\xC3\xBF");
    // Unassigned bytes keep their value, as C1 controls.
    EXPECT_EQ(storedTextAsUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    // Overlong forms, surrogates, code points past U+10FFFF and cut sequences are not UTF-8.
    for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "\xF5\x80\x80\x80", "\xE2\x82", "\x80"})
        EXPECT_FALSE(isUtf8(bad)) << bad;

    // Every byte value at every place of a 23-byte name gives well-formed UTF-8.
    for (int byte = 1; byte < 256; ++byte)
        for (size_t at = 0; at < 23; ++at)
        {
            std::string name(23, 'a');
            name[at] = static_cast<char>(byte);
            ASSERT_TRUE(isUtf8(storedTextAsUtf8(name))) << byte << " at " << at;
        }
}

TEST(StoredText, a_cut_never_splits_a_character)
{
    const std::string accents = "\xC3\xA9\xC3\xA9\xC3\xA9"; // three 2-byte characters
    EXPECT_EQ(cutUtf8(accents, 5), "\xC3\xA9\xC3\xA9");
    EXPECT_EQ(cutUtf8(accents, 4), "\xC3\xA9\xC3\xA9");
    EXPECT_EQ(cutUtf8("ab\xF0\x9F\x8E\xBB", 5), "ab");
    EXPECT_EQ(cutUtf8("abc", 2), "ab");
    // Bytes that are not UTF-8 are cut where asked.
    EXPECT_EQ(cutUtf8("\xC0\xC0\xC0", 2), "\xC0\xC0");
    EXPECT_EQ(cutUtf8("\xC3\xA9\x80\x80", 3), "\xC3\xA9\x80");
}
} // namespace
