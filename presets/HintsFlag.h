#pragma once

// The process-wide hints flag: 1 shows hints (tooltips), 0 hides them. Read once per process
// from setting 45 (default on), stored again whenever a preset bank is destroyed.

// Main thread. Reads the stored flag unless that already happened in this process; the
// plug-in calls it when its library is loaded, before any instance exists.
void loadHintsFlag();

// Any thread. The flag; loads it first when nothing has yet.
int hintsFlag();

// Main thread. Changes the flag (the bulb button); stored at the next bank destruction.
void setHintsFlag(int on);

// Main thread. Stores the flag as setting 45.
void storeHintsFlag();
