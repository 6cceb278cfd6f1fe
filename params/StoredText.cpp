#include "StoredText.h"

namespace
{
// Windows-1252 bytes 0x80..0x9F; the unassigned five keep their own value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}
} // namespace

size_t utf8SequenceAt(std::string_view text, size_t at, char32_t& codePoint)
{
    if (at >= text.size())
        return 0;
    const auto lead = static_cast<unsigned char>(text[at]);
    size_t length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead < 0x80)
    {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF)
    {
        length = 2;
        value = lead & 0x1F;
        least = 0x80;
    }
    else if (lead >= 0xE0 && lead <= 0xEF)
    {
        length = 3;
        value = lead & 0x0F;
        least = 0x800;
    }
    else if (lead >= 0xF0 && lead <= 0xF4)
    {
        length = 4;
        value = lead & 0x07;
        least = 0x10000;
    }
    else
    {
        return 0;
    }
    if (text.size() - at < length)
        return 0;
    for (size_t i = 1; i < length; ++i)
    {
        const auto c = static_cast<unsigned char>(text[at + i]);
        if (!isContinuation(c))
            return 0;
        value = (value << 6) | (c & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    codePoint = value;
    return length;
}

bool isUtf8(std::string_view bytes)
{
    char32_t ignored = 0;
    for (size_t at = 0; at < bytes.size();)
    {
        const size_t length = utf8SequenceAt(bytes, at, ignored);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80)
    {
        out += static_cast<char>(c);
    }
    else if (c < 0x800)
    {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    else if (c < 0x10000)
    {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    else
    {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string storedTextAsUtf8(std::string_view bytes)
{
    if (isUtf8(bytes))
        return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const char byte : bytes)
    {
        const auto c = static_cast<unsigned char>(byte);
        appendUtf8(text, c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : c);
    }
    return text;
}

std::string_view cutUtf8(std::string_view text, size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    // A sequence that starts before the limit and ends after it is left out whole.
    size_t start = maxBytes;
    while (start > 0 && isContinuation(static_cast<unsigned char>(text[start])))
        --start;
    char32_t ignored = 0;
    const size_t length = utf8SequenceAt(text, start, ignored);
    return text.substr(0, length != 0 && start + length > maxBytes ? start : maxBytes);
}
