#pragma once

#include <optional>
#include <string>

// Parsing of the command line's parameter words. Main thread.

// A factory preset by number 0-9 or by name in any letter case.
std::optional<int> parsePresetArg(const std::string& text);

// A public slot by name in any letter case ("decay") or by index 0-7.
std::optional<int> parseSlotArg(const std::string& text);

// A finite number in plain decimal notation ("0.5", "3", "1e-3"); no hex, no "inf", no
// surrounding blanks.
std::optional<double> parseDecimal(const std::string& text);

// A normalized value: a plain decimal number within 0..1.
std::optional<double> parseUnitValue(const std::string& text);

// "SLOT=VALUE": a slot and a normalized value; error receives the reason when refused.
std::optional<std::pair<int, double>> parseSlotAssignment(const std::string& text,
                                                          std::string& error);
