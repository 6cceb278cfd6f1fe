#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text kept as 8-bit bytes, such as preset names, shown as Unicode. Any thread (plain
// computation).
//
// Stored names stay the bytes their file holds. A name that is well-formed UTF-8 is UTF-8 (as
// this product writes the names typed into it); any other is Windows-1252, the ANSI code page
// in which names saved on Windows are stored. The five bytes that code page leaves unassigned
// read as the C1 controls of the same value, as Windows itself reads them, so every byte
// string has a text and nothing is dropped.

// The length (1 to 4) of the well-formed UTF-8 sequence at text[at], with its code point; 0
// when none starts there (a stray, overlong, surrogate or out-of-range sequence).
size_t utf8SequenceAt(std::string_view text, size_t at, char32_t& codePoint);

bool isUtf8(std::string_view bytes);

// Appends the code point's UTF-8 bytes.
void appendUtf8(std::string& out, char32_t codePoint);

// Well-formed UTF-8 for any bytes: the bytes themselves when they are UTF-8, else each byte
// read as Windows-1252.
std::string storedTextAsUtf8(std::string_view bytes);

// The longest start of text of at most maxBytes bytes that does not split a UTF-8 sequence.
std::string_view cutUtf8(std::string_view text, size_t maxBytes);
