#pragma once

#include <cstdint>

// The slot table shared by every layer: 17 parameter slots (0-7 public, 8-16 internal),
// their names, host identifiers, defaults, flags and display texts. Stateless apart from the
// identifier table, which is built once when the library loads and never changes.
// Every function here may be called from any thread.
namespace chordwell
{
inline constexpr int kSlotCount = 17;
inline constexpr int kPublicSlotCount = 8;
// The public slot that bypasses the effect (a two-step toggle).
inline constexpr int kBypassSlot = 7;

// Indices that travel on the master controller's index channel beside the slots.
inline constexpr int kBankStateSlot = 17;
inline constexpr int kHintsSetting = 45;
inline constexpr int kBeginTransfer = 47;
inline constexpr int kEndTransfer = 48;

enum SlotFlag : int
{
    kFlagHostParameter = 1,
    kFlagSharedByPresets = 4,
    kFlagReportedToPresets = 8,
};
} // namespace chordwell

// Name of a slot ("Output"); " " for the internal slots and any other index.
const char* getParameterName(int slot);

// Writes the value text ("-oo", "25.0", "-24", "process") of slot 0-7 into text (at least
// 32 bytes); " " for any other slot.
void getParameterValueText(int slot, double value, char* text);

// Writes the unit text (" dB", " %", " st", " cents", " ") of slot 0-7.
void getParameterUnitText(char* text, int slot);

// Value text directly followed by unit text ("0.0 dB"); text holds at least 64 bytes.
void getParameterDisplayText(int slot, double value, char* text);

double getParameterDefault(int slot);

int getParameterFlags(int slot);

// Host identifier "%d: %s" of a slot 0-16 ("0: Output", "8:  "); null for other indices.
const char* getParameterIdentifier(int slot);

// Index of the slot whose identifier matches byte for byte, or -1.
int findParameterSlot(const char* identifier);
