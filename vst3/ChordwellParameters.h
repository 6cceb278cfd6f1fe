#pragma once

#include <public.sdk/source/vst/vstparameters.h>

#include <functional>

// The host parameters of the VST 3 shell, built from the slot table: titles, short titles,
// units, steps, defaults and flags, with the product's own value texts both ways. Main thread.
namespace chordwell::vst3params
{
// Slot 0-7; Bypass is flagged as the host's bypass.
Steinberg::Vst::Parameter* makeSlotParameter(int slot);

// The program change over the bank's ten presets; its texts are the presets' names as
// nameOf answers them now.
Steinberg::Vst::Parameter* makeProgramParameter(std::function<const char*(int)> nameOf);

// Writes 8-bit text (UTF-8, or a stored name in any encoding: StoredText.h) into a host
// string, cut to fit without splitting a character.
void toString128(const char* text, Steinberg::Vst::String128 out);
} // namespace chordwell::vst3params
