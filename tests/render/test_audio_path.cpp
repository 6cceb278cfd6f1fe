// The render path driven directly, as a shell drives it: timed points split a block at their
// offsets, posted values come first, and whatever a host sends reaches the engine clamped (a
// NaN not at all). The reference is the engine fed by hand with the same values narrowed to
// float, compared bit for bit.
#include <ChordwellAudioPath.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

namespace
{
using Point = ChordwellAudioPath::Point;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Points final : ChordwellAudioPath::PointSource
{
    std::vector<Point> list;
    size_t at = 0;
    explicit Points(std::vector<Point> points = {}) : list(std::move(points)) {}
    bool next(Point& point) override { return at < list.size() && (point = list[at++], true); }
};

// Stereo audio: bursts on the left, a sine on the right.
struct Stereo
{
    std::vector<float> l, r;
    explicit Stereo(size_t frames, bool signal = false) : l(frames), r(frames)
    {
        for (size_t i = 0; signal && i < frames; ++i)
        {
            l[i] = (i % 1200) < 200 ? static_cast<float>((i * 7919) % 1000) / 2000.0f - 0.25f : 0;
            r[i] = 0.3f * static_cast<float>(std::sin(0.05 * static_cast<double>(i)));
        }
    }
    ChannelPair<float> at(size_t frame) { return {&l[frame], &r[frame]}; }
    bool operator==(const Stereo& o) const
    {
        return std::memcmp(l.data(), o.l.data(), l.size() * 4) == 0 &&
               std::memcmp(r.data(), o.r.data(), r.size() * 4) == 0;
    }
};

void process(ORLChordwellEffect& engine, Stereo& in, Stereo& out, size_t from, size_t to)
{
    engine.process(in.at(from), out.at(from), static_cast<uint32_t>(to - from));
}

void set(ORLChordwellEffect& engine, int32_t slot, double value)
{
    engine.setParameter(static_cast<uint32_t>(slot), static_cast<float>(value));
}
} // namespace

TEST(AudioPath, timed_points_land_at_their_offsets_clamped_and_past_the_end_after_the_block)
{
    ChordwellAudioPath path;
    path.setSampleRate(48000.0);
    ORLChordwellEffect reference;
    reference.setSampleRate(48000.0);
    Stereo in(6000, true), got(6000), want(6000);
    // Odd lengths, empty blocks and long ones; points inside blocks, on their edges, two slots
    // and one slot twice at one offset, past the end, outside the range, NaN, unknown slots.
    const int32_t lengths[] = {0, 1, 3, 512, 0, 255, 1024, 7, 2048, 2150};
    const std::vector<Point> timed[] = {
        {{2, 0, 0.4}},
        {{1, 5, 0.35}},
        {{4, 3, 0.6}},
        {{2, 100, 0.9}, {0, 301, 0.3}, {5, 301, 0.8}, {5, 301, 0.7}},
        {{3, 0, 0.2}},
        {{1, 254, 0.6}, {6, 300, 0.9}},
        {{2, 1023, 0.2}, {9, 1023, 1.0}, {-1, 1023, 1.0}, {3, 1023, 1.0e38}},
        {{4, 3, kNaN}, {0, 5, -kInf}, {5, 5, 1.0e300}, {7, 6, kInf}},
        {{6, 1500, 1.0}, {2, 2000, kNaN}, {1, 2000, -1.0e38}},
        {{0, 0, 0.5}, {2, 1, 0.7}, {7, 2, 0.0}, {4, 9, std::numeric_limits<double>::denorm_min()}}};
    size_t at = 0;
    for (size_t b = 0; b < std::size(lengths); ++b)
    {
        const auto length = static_cast<size_t>(lengths[b]);
        size_t done = 0;
        for (const Point& point : timed[b])
        {
            const size_t offset = std::min(static_cast<size_t>(point.offset), length);
            process(reference, in, want, at + done, at + offset);
            done = offset;
            if (point.slot >= 0 && point.slot < 8 && !std::isnan(point.value))
                set(reference, point.slot, std::clamp(point.value, 0.0, 1.0));
        }
        process(reference, in, want, at + done, at + length);
        Points points(timed[b]);
        path.render(in.at(at), got.at(at), lengths[b], points);
        at += length;
    }
    ASSERT_EQ(at, 6000u);
    EXPECT_TRUE(got == want);
}

TEST(AudioPath, posted_values_and_the_rate_reach_the_engine_before_the_blocks_timed_points)
{
    ChordwellAudioPath path;
    path.setSampleRate(44100.0);
    ORLChordwellEffect reference;
    reference.setSampleRate(44100.0);
    Stereo in(1024, true), got(1024), want(1024);

    path.post(2, 0.9);
    path.post(3, 2.0);  // clamped
    path.post(5, kNaN); // no value at all
    path.post(8, 0.5);  // not the engine's
    Points first({{2, 0, 0.3}, {6, 100, 0.8}});
    path.render(in.at(0), got.at(0), 512, first);
    set(reference, 2, 0.9);
    set(reference, 3, 1.0);
    set(reference, 2, 0.3);
    process(reference, in, want, 0, 100);
    set(reference, 6, 0.8);
    process(reference, in, want, 100, 512);

    // Posted between blocks with a new rate: both before the next block's first frame.
    path.post(1, 0.25);
    path.setSampleRate(96000.0);
    Points none;
    path.render(in.at(512), got.at(512), 512, none);
    reference.setSampleRate(96000.0);
    set(reference, 1, 0.25);
    process(reference, in, want, 512, 1024);
    EXPECT_TRUE(got == want);
}
