#pragma once

#include <cstddef>
#include <optional>
#include <string>

// A word of the command line and the value it names, in a table that both reads the word and
// prints it, so that the two never disagree. Any thread.
template <typename Value> struct NamedWord
{
    const char* word;
    Value value;
};

// The value the word names in the table; nothing for any other word.
template <typename Value, size_t N>
std::optional<Value> valueOfWord(const NamedWord<Value> (&table)[N], const std::string& word)
{
    for (const NamedWord<Value>& entry : table)
        if (word == entry.word)
            return entry.value;
    return std::nullopt;
}

// The word that names the value in the table; "?" when none does.
template <typename Value, size_t N>
const char* wordOfValue(const NamedWord<Value> (&table)[N], Value value)
{
    for (const NamedWord<Value>& entry : table)
        if (entry.value == value)
            return entry.word;
    return "?";
}
