#pragma once

#include "aax_host/EffectInstance.h"

#include <StateFile.h>

#include <stdexcept>
#include <string>
#include <vector>

// The plug-in's whole state as the host keeps it in a state file (format in
// presets/StateFile.h): every chunk the plug-in declares, saved and restored in the
// plug-in's order, the way a studio host keeps it in a session. Main thread.

// Content that the host or the plug-in refuses: the command exits 2, not 1.
class RefusedContent : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

// Reads and decodes a state file. Throws HostError when it cannot be read (not a regular
// file, too large, unreadable) and RefusedContent when its bytes are not a state file.
std::vector<statefile::Chunk> readStateFile(const std::string& path);

// Restores the chunks in the plug-in's chunk order. Throws RefusedContent, naming the chunk
// and the result, when the file holds a chunk the plug-in does not declare or the plug-in
// refuses one.
void restoreStateChunks(EffectInstance& instance, const std::vector<statefile::Chunk>& chunks);

// Every chunk the plug-in declares, in its order, after delivering pending updates. Throws
// HostError when the plug-in gives none of them.
std::vector<statefile::Chunk> saveStateChunks(EffectInstance& instance);

// The chunk id as its four characters.
std::string chunkName(uint32_t id);
