#pragma once

#include "ParameterArgs.h"

#include <CLI/CLI.hpp>

#include <string>

// Checks of option words that CLI11 runs before it converts them, so that a word the
// command would ignore or misread is a refused command line (exit 2). Main thread.

// An option given with an empty word ("--preset ''") is refused, not ignored.
inline CLI::Validator nonEmptyWord()
{
    return CLI::Validator([](std::string& text)
                          { return text.empty() ? std::string("must not be empty") : ""; },
                          "", "NONEMPTY");
}

// A plain decimal number, as the parameter values are given: no hex, no "inf", no blanks.
inline CLI::Validator decimalNumber()
{
    return CLI::Validator(
        [](std::string& text)
        { return parseDecimal(text) ? std::string() : "must be a plain decimal number"; },
        "", "DECIMAL");
}
