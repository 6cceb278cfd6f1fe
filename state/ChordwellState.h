#pragma once

#include <BankState.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class ORLChordwellController;

// The plug-in's state as a host keeps it in a session. A VST 3 session holds every host
// parameter value and the whole preset bank; an LV2 session holds the bank state alone (the
// host keeps the port values). Layout of the VST 3 state, little-endian:
//
//   0   4   "ORL3"
//   4   4   version (1)
//   8   4   parameter count (8)
//   12  32  eight 32-bit float normalized values, slot 0-7
//   44  4   n, the size of the bank state that follows
//   48  n   the bank state: what the AAX shell stores as its 'All ' chunk (the preset model's
//           state image, then the two closing words)
//
// The reader also takes the state files of `chordwell-host render --state-out` (every chunk
// of the AAX shell) and the bare 'All ' chunk that older ones held: their values come from
// the 'elck' chunk's host values when it names all eight (a saved state means what was heard
// when it was saved), else from the bank's current preset.
// Stateless; any thread, except the two that reach a product controller.
namespace chordwell::sessionstate
{
inline constexpr uint32_t kVersion = 1;
inline constexpr size_t kHeaderSize = 48;
// Far above any bank state: a larger claim is damage, never a reason to allocate.
inline constexpr size_t kMaxBankState = bankstate::kMaxSize;

struct Decoded
{
    // Empty when the state came without host values.
    std::optional<std::array<float, 8>> values;
    // The bank state (state image and the two closing words).
    std::vector<uint8_t> bankState;
};

// The bank state of a state image (the preset model's host state): the image and the two
// closing words, as the AAX shell stores its 'All ' chunk.
std::vector<uint8_t> bankStateOf(std::span<const uint8_t> stateImage);

std::vector<uint8_t> encode(const std::array<float, 8>& values, std::span<const uint8_t> bankState);

// Nothing when bytes are neither layout, a count or size disagrees, a value lies outside
// 0..1, the bank state does not start with the state image's prefix, or its bank image is not
// one that the preset bank takes whole (checked on a scratch bank, so nothing else changes).
std::optional<Decoded> decode(std::span<const uint8_t> bytes);

// The state image inside a decoded bank state (without the two closing words).
std::span<const uint8_t> stateImageOf(const Decoded& decoded);

// Main thread. The bank state of the controller's preset model as it is now; empty when the
// controller has no state image.
std::vector<uint8_t> bankStateOf(ORLChordwellController& controller);

// Main thread. Gives the controller the bank of a decoded state (its preset model then sends
// the current preset's values to its owner).
void restoreBank(ORLChordwellController& controller, const Decoded& decoded);
} // namespace chordwell::sessionstate
