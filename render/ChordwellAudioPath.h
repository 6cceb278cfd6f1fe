#pragma once

#include <ChannelPair.h>
#include <EnginePorts.h>
#include <ORLChordwellEffect.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

// The render side of the VST 3 and LV2 shells: owns the engine and brings it up to date before
// each stretch of audio through EnginePorts, as the AAX render callback does over its private
// data. Values come from two roads: changes that the main thread posts (a restored state, a
// value the host set while nothing was playing) and the host's timed parameter points, which
// split the block at their sample offsets. Every value is narrowed to a 32-bit float, as on the
// AAX data ports, so every shell feeds the engine the same numbers.
class ChordwellAudioPath
{
  public:
    enum class Layout
    {
        Mono,         // one channel in, one out
        MonoToStereo, // one in, two out
        Stereo,       // two in, two out
    };

    // Any thread. The channels a layout takes in and gives out.
    static int32_t inputChannels(Layout layout) { return layout == Layout::Stereo ? 2 : 1; }
    static int32_t outputChannels(Layout layout) { return layout == Layout::Mono ? 1 : 2; }
    // Any thread. The layout with these channel counts, or nothing (two in, one out).
    static std::optional<Layout> layoutOf(int32_t inputs, int32_t outputs)
    {
        for (const Layout layout : {Layout::Mono, Layout::MonoToStereo, Layout::Stereo})
            if (inputChannels(layout) == inputs && outputChannels(layout) == outputs)
                return layout;
        return std::nullopt;
    }

    // One timed value: slot 0-7, offset in frames from the block's start.
    struct Point
    {
        int32_t slot;
        int32_t offset;
        double value;
    };
    // Where the timed points of a block come from; the shell adapts the host's queues.
    class PointSource
    {
      public:
        // Audio thread. The next point in offset order, or false when there are no more.
        virtual bool next(Point& point) = 0;

      protected:
        ~PointSource() = default;
    };

    // Main thread. Makes the engine (allocates all its memory).
    ChordwellAudioPath();

    // Main thread, while not processing.
    void setLayout(Layout layout) { currentLayout = layout; }
    // Any thread (the audio thread reads it for each block); changes only while not processing.
    Layout layout() const { return currentLayout; }
    // Main thread, while not processing. Takes effect before the next block.
    void setSampleRate(double rate) { pendingRate = rate; }

    // Main thread (any time). The value of slot 0-7 reaches the engine before the next block,
    // clamped to 0..1; a NaN is ignored. Lock-free.
    void post(int32_t slot, double value);

    // Audio thread. Real-time safe: no allocation, no lock, no system call. Applies posted
    // values, then processes frames in stretches split at the points' offsets (a point's value
    // clamped to 0..1, a NaN point ignored). channels point
    // at the first and second channel of input and output as the layout has them. (The master
    // controller's internal slots 8-16 are not the engine's business: it hears slots 0-7 only.)
    template <typename Sample>
    void render(const ChannelPair<Sample>& input, const ChannelPair<Sample>& output, int32_t frames,
                PointSource& points);

    // Main thread, while not processing. Silences the strings (a host's reset).
    void reset();

  private:
    // Audio thread. The engine's inputs over this path's kept values.
    EnginePorts ports() { return EnginePorts(*engine, cache.data(), lastRate); }
    void applyPending();

    std::unique_ptr<ORLChordwellEffect> engine;
    Layout currentLayout = Layout::Stereo;
    double pendingRate = 44100.0;
    float lastRate = EnginePorts::kUnset;
    std::array<float, 8> cache;
    std::array<std::atomic<float>, 8> mailbox;
    std::atomic<uint32_t> posted{0};
};
