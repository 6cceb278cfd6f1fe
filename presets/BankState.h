#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The bank state: the data of the plug-in's 'All ' chunk, which every shell stores in its
// host's session and the host in its state files: the preset model's state image (an 8-byte
// prefix, then the bank image) and the chunk's two closing words. One check of it serves
// every reader, so that a state one shell or the host takes, every other takes too.
// Stateless; any thread.
namespace bankstate
{
inline constexpr size_t kClosingWordsSize = 8;
// The chunk's two closing words as stored (two little-endian 32-bit 0x00300000).
inline constexpr uint8_t kClosingWords[kClosingWordsSize] = {0x00, 0x00, 0x30, 0x00,
                                                             0x00, 0x00, 0x30, 0x00};
// Far above any bank state: a larger claim is damage, never a reason to allocate.
inline constexpr size_t kMaxSize = 64 * 1024;

// Whether bytes are a bank state that the preset bank takes whole: the state image's prefix,
// a bank image with the right code and type, records within bounds and every value within
// 0..1 (checked on a scratch bank, so nothing else changes).
bool isAccepted(std::span<const uint8_t> bytes);
} // namespace bankstate
