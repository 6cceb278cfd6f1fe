#include "ORL_VST3_ProcessBlock.h"

#include <pluginterfaces/vst/ivstparameterchanges.h>

#include <algorithm>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{
// The host's timed parameter points of one block, merged across queues in offset order.
// Audio thread: reads the host's queues in place, each point once, allocates nothing.
class HostPoints final : public ChordwellInstance::PointSource
{
  public:
    explicit HostPoints(IParameterChanges* changes)
    {
        const int32 count = changes != nullptr ? changes->getParameterCount() : 0;
        for (int32 i = 0; i < count && queueCount < kMaxQueues; ++i)
        {
            IParamValueQueue* queue = changes->getParameterData(i);
            if (queue == nullptr || queue->getParameterId() >= 8 || queue->getPointCount() <= 0)
                continue;
            Queue& added = queues[queueCount++];
            added = {queue, static_cast<int32_t>(queue->getParameterId()), 0,
                     queue->getPointCount()};
            load(added);
        }
    }

    bool next(ChordwellInstance::Point& point) override
    {
        // The earliest head; among equal offsets, the first queue's.
        Queue* best = nullptr;
        for (int q = 0; q < queueCount; ++q)
            if (queues[q].loaded && (best == nullptr || queues[q].offset < best->offset))
                best = &queues[q];
        if (best == nullptr)
            return false;
        point = {best->slot, std::max<int32>(best->offset, 0), best->value};
        load(*best);
        return true;
    }

  private:
    static constexpr int kMaxQueues = 8;
    struct Queue
    {
        IParamValueQueue* queue;
        int32_t slot;
        int32 cursor;
        int32 count;
        // The queue's next point, read ahead.
        bool loaded = false;
        int32 offset = 0;
        ParamValue value = 0.0;
    };

    // Reads the queue's next point the host can give (others are skipped).
    static void load(Queue& queue)
    {
        queue.loaded = false;
        while (!queue.loaded && queue.cursor < queue.count)
            queue.loaded =
                queue.queue->getPoint(queue.cursor++, queue.offset, queue.value) == kResultTrue;
    }

    Queue queues[kMaxQueues]{};
    int queueCount = 0;
};

template <typename Sample> Sample* channel(AudioBusBuffers& bus, int32 index)
{
    Sample** buffers = nullptr;
    if constexpr (sizeof(Sample) == sizeof(float))
        buffers = reinterpret_cast<Sample**>(bus.channelBuffers32);
    else
        buffers = reinterpret_cast<Sample**>(bus.channelBuffers64);
    return buffers != nullptr && index < bus.numChannels ? buffers[index] : nullptr;
}

// A channel whose block is all zeros, so the host may skip it (it is told by the output's
// silence flags). An absent channel is not.
template <typename Sample> bool silent(const Sample* samples, int32 frames)
{
    if (samples == nullptr)
        return false;
    for (int32 i = 0; i < frames; ++i)
        if (samples[i] != Sample(0))
            return false;
    return true;
}

template <typename Sample>
void renderBlock(ChordwellInstance& instance, ProcessData& data, HostPoints& points)
{
    const bool haveAudio = data.numInputs > 0 && data.numOutputs > 0 && data.inputs != nullptr &&
                           data.outputs != nullptr;
    ChannelPair<Sample> in, out;
    if (haveAudio)
    {
        in.channel0 = channel<Sample>(data.inputs[0], 0);
        in.channel1 = instance.inputChannels() == 2 ? channel<Sample>(data.inputs[0], 1) : nullptr;
        out.channel0 = channel<Sample>(data.outputs[0], 0);
        out.channel1 =
            instance.outputChannels() == 2 ? channel<Sample>(data.outputs[0], 1) : nullptr;
    }
    const bool playable = in.channel0 != nullptr && out.channel0 != nullptr;
    const int32 frames = playable ? data.numSamples : 0;
    instance.render(in, out, frames, points);
    // The input's silence flags are not read: the strings ring on after the input stops.
    if (haveAudio)
        data.outputs[0].silenceFlags = playable ? (silent(out.channel0, frames) ? 1u : 0u) |
                                                      (silent(out.channel1, frames) ? 2u : 0u)
                                                : 0u;
}
} // namespace

void renderHostBlock(ChordwellInstance& instance, ProcessData& data)
{
    HostPoints points(data.inputParameterChanges);
    if (data.symbolicSampleSize == kSample64)
        renderBlock<double>(instance, data, points);
    else
        renderBlock<float>(instance, data, points);
}
