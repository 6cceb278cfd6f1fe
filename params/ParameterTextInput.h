#pragma once

// Reads a value text that a user typed into a host's generic editor ("-3.5 dB", "25 %",
// "-7 st", "bypassed") back into the normalized value of public slot 0-7: the inverse of the
// display texts, unit optional, result clamped to 0..1. Any thread.
bool parseParameterText(int slot, const char* text, double& value);
