#include "ChordwellAudioPath.h"

#include <HostValue.h>

#include <algorithm>

ChordwellAudioPath::ChordwellAudioPath() : engine(std::make_unique<ORLChordwellEffect>())
{
    cache.fill(EnginePorts::kUnset);
    for (auto& m : mailbox)
        m.store(0.0f, std::memory_order_relaxed);
}

void ChordwellAudioPath::post(int32_t slot, double value)
{
    // Made sane before it is narrowed: a NaN is no change at all.
    double sane = 0.0;
    if (slot < 0 || slot >= 8 || !hostvalue::normalized(value, sane))
        return;
    mailbox[slot].store(static_cast<float>(sane), std::memory_order_relaxed);
    // Raised after the value: whoever sees the bit also sees the value.
    posted.fetch_or(1u << slot, std::memory_order_release);
}

void ChordwellAudioPath::reset()
{
    engine->reset();
}

void ChordwellAudioPath::applyPending()
{
    EnginePorts engineInputs = ports();
    engineInputs.setRate(static_cast<float>(pendingRate));
    uint32_t bits = posted.exchange(0, std::memory_order_acquire);
    for (int32_t slot = 0; bits != 0; ++slot, bits >>= 1)
        if (bits & 1u)
            engineInputs.setPort(slot, mailbox[slot].load(std::memory_order_relaxed));
}

template <typename Sample>
void ChordwellAudioPath::render(const ChannelPair<Sample>& input, const ChannelPair<Sample>& output,
                                int32_t frames, PointSource& points)
{
    applyPending();
    if (frames < 0)
        frames = 0;
    Point point{};
    bool havePoint = points.next(point);
    int32_t position = 0;
    for (;;)
    {
        // Points at or before the position take effect before the frames that follow them;
        // a point past the block's end lands after its last frame.
        while (havePoint && std::min(point.offset, frames) <= position)
        {
            if (point.slot >= 0 && point.slot < 8)
                ports().setHostValue(point.slot, point.value);
            havePoint = points.next(point);
        }
        if (position >= frames)
            break;
        const int32_t end = havePoint && point.offset < frames ? point.offset : frames;
        const auto at = [position](Sample* p) { return p != nullptr ? p + position : nullptr; };
        const ChannelPair<Sample> in{at(input.channel0), at(input.channel1)};
        const ChannelPair<Sample> out{at(output.channel0), at(output.channel1)};
        const auto count = static_cast<uint32_t>(end - position);
        if constexpr (sizeof(Sample) == sizeof(float))
            engine->process(in, out, count);
        else
            engine->processDouble(in, out, count);
        position = end;
    }
}

template void ChordwellAudioPath::render<float>(const ChannelPair<float>&,
                                                const ChannelPair<float>&, int32_t, PointSource&);
template void ChordwellAudioPath::render<double>(const ChannelPair<double>&,
                                                 const ChannelPair<double>&, int32_t, PointSource&);
