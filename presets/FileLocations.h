#pragma once

class PresetBank;

// Main thread. Writes the bank's folder, bank file name and preset file name to the user's
// settings as "CurrDir", "CurrBank" and "CurrPreset" (strings; empty ones too). Failures are
// silent.
void saveFileLocations(const PresetBank& bank);
