#pragma once

#include <ChordwellAudioPath.h>
#include <InstanceCore.h>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// One instance of the plug-in as a format's shell holds it: the instance's core (the master
// controller with its preset bank, the session state a host keeps, the bank's presets as the
// host's programs) with the render path, the channel layout and sample rate, and the tail. A shell
// translates its format's calls onto these and keeps only what its format itself asks for (how a
// host is told of changes, how it hands over audio and values).
//
// Threads: render() on the audio thread (real-time safe); post() on the main thread at any
// time; the layout, rate and reset on the main thread while not processing; everything else
// on the main thread.
class ChordwellInstance : public InstanceCore
{
  public:
    using Layout = ChordwellAudioPath::Layout;
    using Point = ChordwellAudioPath::Point;
    using PointSource = ChordwellAudioPath::PointSource;

    // Main thread. Makes the engine and the bank (allocates).
    ChordwellInstance() = default;
    ChordwellInstance(const ChordwellInstance&) = delete;
    ChordwellInstance& operator=(const ChordwellInstance&) = delete;

    // --- audio --------------------------------------------------------------------------------
    // Any thread. The layout with these channel counts, or nothing (two in, one out).
    static std::optional<Layout> layoutOf(int32_t inputs, int32_t outputs)
    {
        return ChordwellAudioPath::layoutOf(inputs, outputs);
    }
    // Main thread, while not processing.
    void setLayout(Layout layout) { audio.setLayout(layout); }
    // Any thread; changes only while not processing.
    Layout layout() const { return audio.layout(); }
    int32_t inputChannels() const { return ChordwellAudioPath::inputChannels(layout()); }
    int32_t outputChannels() const { return ChordwellAudioPath::outputChannels(layout()); }
    // Main thread, while not processing. Takes effect before the next block.
    void setSampleRate(double rate);
    // Main thread. The rate last set (44100 until a host sets one).
    double sampleRate() const { return rate; }
    // Main thread, while not processing. Silences the strings.
    void reset() { audio.reset(); }
    // Main thread (any time). Slot 0-7's value reaches the engine before the next block.
    // Lock-free.
    void post(int32_t slot, double value) { audio.post(slot, value); }
    // Audio thread. Real-time safe: no allocation, no lock, no system call.
    template <typename Sample>
    void render(const ChannelPair<Sample>& input, const ChannelPair<Sample>& output, int32_t frames,
                PointSource& points)
    {
        audio.render(input, output, frames, points);
    }

    // Main thread. How long the strings ring after the input stops, in samples at the current
    // rate, for the given normalized values of slot 0-7.
    uint32_t tailSamples(const std::array<double, 8>& values) const;

  private:
    ChordwellAudioPath audio;
    double rate = 44100.0;
};
