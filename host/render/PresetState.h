#pragma once

#include <cstdint>
#include <vector>

class PresetBank;

// State chunks 'All ' made from a preset bank, for the host to restore into the plug-in the
// way it restores a project: the bank's host state followed by the chunk's two closing
// words, exactly what the plug-in itself saves. Main thread.

std::vector<uint8_t> stateChunkOf(PresetBank& bank);

// The factory bank with preset 0-9 current.
std::vector<uint8_t> factoryPresetChunk(int preset);
