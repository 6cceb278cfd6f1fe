#include "SessionState.h"

#include "aax_host/PluginLibrary.h"
#include "audio/BinaryFile.h"

#include <algorithm>

std::string chunkName(uint32_t id)
{
    std::string name;
    for (int shift = 24; shift >= 0; shift -= 8)
    {
        const auto c = static_cast<char>(id >> shift);
        name += c >= 0x20 && c < 0x7F ? c : '?';
    }
    return name;
}

std::vector<statefile::Chunk> readStateFile(const std::string& path)
{
    std::vector<uint8_t> bytes;
    std::string error;
    // The largest file the format allows, with a little room for its headers.
    constexpr size_t kLimit = statefile::kMaxChunks * (statefile::kMaxChunkSize + 8) + 12;
    bool tooLarge = false;
    if (!readBinaryFile(path, bytes, kLimit, error, &tooLarge))
    {
        if (tooLarge)
            throw RefusedContent(error + " for a state file");
        throw HostError(error);
    }
    // The verdict of every shell's reader: the chunks' data is checked too, so that a state
    // the host takes is one each shell takes.
    if (!statefile::read(bytes, error))
        throw RefusedContent("'" + path + "' is not a valid state file: " + error);
    auto chunks = statefile::decode(bytes, error);
    if (!chunks)
        throw RefusedContent("'" + path + "': " + error);
    return std::move(*chunks);
}

void restoreStateChunks(EffectInstance& instance, const std::vector<statefile::Chunk>& chunks)
{
    // The bank first: it sets every value from its current preset, and the values the
    // state was saved with (automation may have moved them) then win over the preset's.
    std::vector<AAX_CTypeID> order = instance.chunkIDs();
    std::stable_partition(order.begin(), order.end(),
                          [](AAX_CTypeID id) { return id == statefile::kBankChunk; });
    for (const statefile::Chunk& chunk : chunks)
        if (std::find(order.begin(), order.end(), chunk.id) == order.end())
            throw RefusedContent("the state holds a chunk '" + chunkName(chunk.id) +
                                 "' that the plug-in does not declare");
    for (AAX_CTypeID id : order)
        for (const statefile::Chunk& chunk : chunks)
        {
            if (chunk.id != id)
                continue;
            const AAX_Result result = instance.setChunk(id, chunk.data);
            if (result != AAX_SUCCESS)
                throw RefusedContent("the plug-in refused the state's chunk '" + chunkName(id) +
                                     "': " + std::to_string(result) + " (" +
                                     AAX_ResultName(result) + ")");
        }
}

std::vector<statefile::Chunk> saveStateChunks(EffectInstance& instance)
{
    instance.deliverUpdates();
    std::vector<statefile::Chunk> chunks;
    for (AAX_CTypeID id : instance.chunkIDs())
    {
        statefile::Chunk chunk{id, {}};
        const AAX_Result result = instance.getChunk(id, chunk.data);
        if (result != AAX_SUCCESS)
            throw HostError("the plug-in gave no chunk '" + chunkName(id) +
                            "': " + std::to_string(result) + " (" + AAX_ResultName(result) + ")");
        if (chunk.data.size() > statefile::kMaxChunkSize)
            throw HostError("the plug-in's chunk '" + chunkName(id) + "' is too large to keep");
        chunks.push_back(std::move(chunk));
    }
    if (chunks.empty() || chunks.size() > statefile::kMaxChunks)
        throw HostError("the plug-in declares no state chunks the host can keep");
    return chunks;
}
