#pragma once

#include <optional>
#include <string>

// Parsing of the command line's parameter words. Main thread.

// A factory preset by number 0-9 or by name in any letter case. A name that several presets
// share is refused; error (when given) receives the numbers to choose from.
std::optional<int> parsePresetArg(const std::string& text, std::string* error = nullptr);

// A public slot by name in any letter case ("decay"), by the panel's caption ("decay time",
// "damping") or by index 0-7.
std::optional<int> parseSlotArg(const std::string& text);

// A finite number in plain decimal notation ("0.5", "3", "1e-3"); no hex, no "inf", no
// surrounding blanks.
std::optional<double> parseDecimal(const std::string& text);

// A normalized value: a plain decimal number within 0..1.
std::optional<double> parseUnitValue(const std::string& text);

// The normalized value of slot 0-7 from a plain number within 0..1 or a text in the panel's
// unit ("60%", "-6dB", "-inf", "-12st", "+10c", "on"/"off"), read by the parameters' own text
// parsing; a number outside the slot's range is refused rather than clamped.
std::optional<double> parseSlotValue(int slot, const std::string& text);

// The eight names with their ranges in the panel's units, for refusals and help.
std::string slotRangesText();

// The eight normalized values of slots 0-7 in the panel's texts, after their names:
// "Output 0.0 dB, Mix 60.0 %, ...".
std::string slotValuesText(const double* values);

// "SLOT=VALUE": a slot and a value as parseSlotValue reads it; error receives the reason
// when refused.
std::optional<std::pair<int, double>> parseSlotAssignment(const std::string& text,
                                                          std::string& error);
