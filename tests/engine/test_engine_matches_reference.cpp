#include "LiteralChordwell.h"

#include <ORLChordwellEffect.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <utility>
#include <vector>

namespace
{
constexpr chordwell::block::Path kPaths[] = {
    chordwell::block::Path::Scalar, chordwell::block::Path::Sse2, chordwell::block::Path::Avx2};

// Wiring 0: mono, 1: stereo, 2: mono in, stereo out.
template <typename Sample>
void runScenario(unsigned seed, int wiring, bool inPlace, chordwell::block::Path path)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    auto engine = std::make_unique<ORLChordwellEffect>();
    ASSERT_TRUE(engine->useKernelPath(path));
    auto reference = std::make_unique<LiteralChordwell>();
    const double rates[] = {44100.0, 48000.0, 96000.0, 22050.0, 192000.0, 250000.0};
    const bool twoIn = wiring == 1, twoOut = wiring != 0;
    const auto both = [&](auto change)
    {
        change(*engine);
        change(*reference);
    };

    for (int block = 0; block < 40; ++block)
    {
        if (unit(random) < 0.15)
        {
            const double rate = rates[random() % 6];
            ASSERT_EQ(engine->setSampleRate(rate), reference->setSampleRate(rate));
        }
        for (uint32_t slot = 0; slot < 17; ++slot)
        {
            if (unit(random) < 0.2)
            {
                // Values stored as the host stores them: 32-bit floats, sometimes on the edges.
                const double r = unit(random);
                const double value = static_cast<float>(r < 0.1   ? 0.0
                                                        : r > 0.9 ? 1.0
                                                                  : unit(random));
                both([&](auto& twin) { twin.setParameter(slot, value); });
            }
        }
        if (unit(random) < 0.03)
            both([](auto& twin) { twin.reset(); });

        const uint32_t frames = block % 13 == 5 ? 0 : static_cast<uint32_t>(random() % 900);
        std::vector<Sample> a0(frames), a1(frames), b0(frames), b1(frames);
        for (uint32_t i = 0; i < frames; ++i)
        {
            a0[i] = b0[i] = static_cast<Sample>(unit(random) * 2.0 - 1.0) * (i < 50 ? 1 : 0.01f);
            a1[i] = b1[i] = static_cast<Sample>(unit(random) * 2.0 - 1.0) * 0.5f;
        }
        // Now and then a sample no converter gives: clipped or heard as silence alike.
        if (frames > 0 && unit(random) < 0.1)
        {
            const Sample odd[] = {std::numeric_limits<Sample>::max(), -3e30f,
                                  std::numeric_limits<Sample>::quiet_NaN(),
                                  -std::numeric_limits<Sample>::infinity()};
            a1[frames / 2] = b1[frames / 2] = odd[random() % 4];
        }
        std::vector<Sample> e0(frames), e1(frames), r0(frames), r1(frames);
        Sample* eOut0 = inPlace ? a0.data() : e0.data();
        Sample* eOut1 = inPlace ? a1.data() : e1.data();
        const ChannelPair<Sample> in{a0.data(), twoIn ? a1.data() : nullptr};
        const ChannelPair<Sample> out{eOut0, twoOut ? eOut1 : nullptr};
        if constexpr (std::is_same_v<Sample, float>)
            engine->process(in, out, frames);
        else
            engine->processDouble(in, out, frames);
        reference->process<Sample>(b0.data(), twoIn ? b1.data() : nullptr, r0.data(),
                                   twoOut ? r1.data() : nullptr, frames);

        if (frames > 0)
        {
            ASSERT_EQ(0, std::memcmp(eOut0, r0.data(), frames * sizeof(Sample))) << block;
            ASSERT_EQ(0, twoOut ? std::memcmp(eOut1, r1.data(), frames * sizeof(Sample)) : 0)
                << block;
        }
    }
}

TEST(EngineMatchesReference,
     every_compiled_path_layout_and_sample_type_gives_the_literal_algorithms_bits)
{
    for (const auto path : kPaths)
    {
        if (!chordwell::block::available(path))
        {
            std::printf("kernel path %d is not available here: not checked\n",
                        static_cast<int>(path));
            continue;
        }
        for (unsigned seed = 1; seed <= 3; ++seed)
            for (int wiring = 0; wiring < 3; ++wiring)
                for (bool inPlace : {false, true})
                {
                    SCOPED_TRACE(testing::Message()
                                 << "path " << static_cast<int>(path) << " seed " << seed
                                 << " wiring " << wiring << " in place " << inPlace);
                    runScenario<float>(seed, wiring, inPlace, path);
                    runScenario<double>(seed + 100, wiring, inPlace, path);
                }
    }
}

// The engine on one compiled path beside the literal reference, fed the same sine, mono in
// and stereo out.
struct Twins
{
    std::unique_ptr<ORLChordwellEffect> engine = std::make_unique<ORLChordwellEffect>();
    std::unique_ptr<LiteralChordwell> reference = std::make_unique<LiteralChordwell>();
    std::vector<float> in = std::vector<float>(700), e0 = in, e1 = in, r0 = in, r1 = in;
    uint32_t at = 0;

    explicit Twins(chordwell::block::Path path) { engine->useKernelPath(path); }
    void set(uint32_t slot, double value)
    {
        engine->setParameter(slot, value);
        reference->setParameter(slot, value);
    }
    void setRate(double rate)
    {
        engine->setSampleRate(rate);
        reference->setSampleRate(rate);
    }
    // Up to 700 frames through both; fails unless every output bit agrees.
    testing::AssertionResult run(uint32_t frames)
    {
        for (uint32_t i = 0; i < frames; ++i)
            in[i] = static_cast<float>(std::sin(static_cast<double>(at + i) * 0.37));
        at += frames;
        engine->process({in.data(), nullptr}, {e0.data(), e1.data()}, frames);
        reference->process<float>(in.data(), nullptr, r0.data(), r1.data(), frames);
        if (std::memcmp(e0.data(), r0.data(), frames * sizeof(float)) != 0 ||
            std::memcmp(e1.data(), r1.data(), frames * sizeof(float)) != 0)
            return testing::AssertionFailure() << "output differs before frame " << at;
        return testing::AssertionSuccess();
    }
};

TEST(EngineMatchesReference, long_glides_and_wrapping_lines_give_the_literal_algorithms_bits)
{
    // Whole-tone glides at the highest rate (long delays, many index steps) and at the lowest
    // with Tune and Transpose up (the shortest delays), over more than one turn of the lines.
    for (const auto path : kPaths)
        for (const double rate : {192000.0, 44100.0})
        {
            if (!chordwell::block::available(path))
                continue;
            SCOPED_TRACE(testing::Message()
                         << "path " << static_cast<int>(path) << " rate " << rate);
            Twins twins(path);
            twins.setRate(rate);
            twins.set(4, rate < 50000.0 ? 1.0 : 0.0);
            for (int block = 0; block < 60; ++block)
            {
                if (block % 10 == 0)
                {
                    twins.set(5, block % 20 == 0 ? 1.0 : 0.0);
                    twins.set(6, block % 30 == 0 ? 1.0 : 0.3);
                }
                ASSERT_TRUE(twins.run(64u + static_cast<uint32_t>(block * 37 % 600)));
            }
        }
}

TEST(EngineMatchesReference, delays_on_or_a_hair_above_a_whole_number_give_the_literal_bits)
{
    // A sample rate chosen so that one string's delay is exactly n samples or a few hundred
    // units in the last place more: there the read index depends on the write index, and
    // neither the steady tracking nor the glide planning may assume the index just advances.
    const double tune = LiteralChordwell().tuneTarget;
    for (const auto path : kPaths)
        for (const int k : {0, 5, 11})
            for (const int whole : {401, 700})
                for (const int above : {0, 1, 30, 100, 300})
                {
                    double rate = whole * ((tune * 1.0) * LiteralChordwell::kFrequency[k]);
                    for (int u = 0; u < above; ++u)
                        rate = std::nextafter(rate, 1e9);
                    if (!chordwell::block::available(path) || rate < 44100.0 || rate > 192000.0)
                        continue;
                    SCOPED_TRACE(testing::Message()
                                 << "path " << static_cast<int>(path) << " string " << k
                                 << " delay " << whole << " + " << above << " ulp");
                    Twins twins(path);
                    twins.setRate(rate);
                    for (uint32_t frames = 1; twins.at < 3000; frames = frames * 3 % 401 + 1)
                        ASSERT_TRUE(twins.run(frames));
                }
}

TEST(EngineMatchesReference, values_far_outside_the_range_give_the_literal_bits)
{
    // The engine takes values unchanged: Tune and Transpose far up make delays shorter than a
    // sample, Transpose far down longer than a line, Detune far out negative delays, and with
    // Tune far up and Detune far down a string reads where the frame writes.
    const std::vector<std::vector<std::pair<uint32_t, double>>> settings = {
        {{5, 60.0}}, {{5, 90.0}},   {{4, 3.0}},  {{4, -0.8}},
        {{4, -2.0}}, {{6, -100.0}}, {{6, 50.0}}, {{5, 60.0}, {6, -100.0}}};
    for (const auto path : kPaths)
        for (size_t n = 0; n < settings.size(); ++n)
        {
            if (!chordwell::block::available(path))
                continue;
            SCOPED_TRACE(testing::Message()
                         << "path " << static_cast<int>(path) << " setting " << n);
            Twins twins(path);
            for (const auto& [slot, value] : settings[n])
                twins.set(slot, value);
            twins.engine->reset();
            twins.reference->reset();
            for (const uint32_t frames : {1u, 700u, 3u, 64u, 65u, 700u})
                ASSERT_TRUE(twins.run(frames));
        }
}
} // namespace
