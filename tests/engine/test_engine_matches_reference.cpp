#include "EngineFields.h"
#include "LiteralChordwell.h"

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
enum class Wiring
{
    Mono,
    Stereo,
    MonoToStereo
};

struct Scenario
{
    unsigned seed;
    Wiring wiring;
    bool inPlace;
    chordwell::block::Path path;
};

constexpr chordwell::block::Path kPaths[] = {
    chordwell::block::Path::Scalar, chordwell::block::Path::Sse2, chordwell::block::Path::Avx2};

template <typename Sample> void runScenario(const Scenario& s)
{
    std::mt19937 random(s.seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    auto engine = std::make_unique<ORLChordwellEffect>();
    ASSERT_TRUE(engine->useKernelPath(s.path));
    auto reference = std::make_unique<LiteralChordwell>();
    const double rates[] = {44100.0, 48000.0, 96000.0, 22050.0, 192000.0, 250000.0};
    const bool twoIn = s.wiring == Wiring::Stereo;
    const bool twoOut = s.wiring != Wiring::Mono;

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
                engine->setParameter(slot, value);
                reference->setParameter(slot, value);
            }
        }
        if (unit(random) < 0.03)
        {
            engine->reset();
            reference->reset();
        }

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
        Sample* eOut0 = s.inPlace ? a0.data() : e0.data();
        Sample* eOut1 = s.inPlace ? a1.data() : e1.data();
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
            ASSERT_EQ(0, std::memcmp(eOut0, r0.data(), frames * sizeof(Sample)))
                << "channel 0 differs in block " << block;
        }
        if (twoOut && frames > 0)
        {
            ASSERT_EQ(0, std::memcmp(eOut1, r1.data(), frames * sizeof(Sample)))
                << "channel 1 differs in block " << block;
        }
        const ORLChordwellEffectInspector state{*engine};
        ASSERT_EQ(state.writePos(), reference->writePos);
        for (int k = 0; k < 12; ++k)
            ASSERT_EQ(state.readPos(k), reference->readPos[k])
                << "block " << block << " string " << k;
        ASSERT_EQ(state.tuneCurrent(), reference->tuneCurrent);
        ASSERT_EQ(state.detuneCurrent(), reference->detuneCurrent);
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
            for (Wiring wiring : {Wiring::Mono, Wiring::Stereo, Wiring::MonoToStereo})
                for (bool inPlace : {false, true})
                {
                    SCOPED_TRACE(testing::Message()
                                 << "path " << static_cast<int>(path) << " seed " << seed
                                 << " wiring " << static_cast<int>(wiring) << " in place "
                                 << inPlace);
                    runScenario<float>({seed, wiring, inPlace, path});
                    runScenario<double>({seed + 100, wiring, inPlace, path});
                }
    }
}

TEST(EngineMatchesReference, long_glides_and_wrapping_lines_give_the_literal_algorithms_bits)
{
    // Whole-tone glides at the highest rate (long delays, many index steps) and at the lowest
    // with Tune and Transpose up (the shortest delays), over more than one turn of the lines.
    for (const auto path : kPaths)
    {
        if (!chordwell::block::available(path))
            continue;
        for (const double rate : {192000.0, 44100.0})
        {
            SCOPED_TRACE(testing::Message()
                         << "path " << static_cast<int>(path) << " rate " << rate);
            auto engine = std::make_unique<ORLChordwellEffect>();
            ASSERT_TRUE(engine->useKernelPath(path));
            auto reference = std::make_unique<LiteralChordwell>();
            engine->setSampleRate(rate);
            reference->setSampleRate(rate);
            const double transpose = rate < 50000.0 ? 1.0 : 0.0;
            engine->setParameter(4, transpose);
            reference->setParameter(4, transpose);
            std::vector<float> in(700), e0(700), e1(700), r0(700), r1(700);
            for (size_t i = 0; i < in.size(); ++i)
                in[i] = static_cast<float>(std::sin(static_cast<double>(i) * 0.37));
            for (int block = 0; block < 60; ++block)
            {
                const uint32_t frames = 64u + static_cast<uint32_t>(block * 37 % 600);
                if (block % 10 == 0)
                {
                    const double tune = block % 20 == 0 ? 1.0 : 0.0;
                    const double detune = block % 30 == 0 ? 1.0 : 0.3;
                    engine->setParameter(5, tune);
                    reference->setParameter(5, tune);
                    engine->setParameter(6, detune);
                    reference->setParameter(6, detune);
                }
                engine->process({in.data(), nullptr}, {e0.data(), e1.data()}, frames);
                reference->process<float>(in.data(), nullptr, r0.data(), r1.data(), frames);
                ASSERT_EQ(0, std::memcmp(e0.data(), r0.data(), frames * sizeof(float)))
                    << "block " << block;
                ASSERT_EQ(0, std::memcmp(e1.data(), r1.data(), frames * sizeof(float)))
                    << "block " << block;
            }
        }
    }
}

TEST(EngineMatchesReference, delays_on_or_a_hair_above_a_whole_number_give_the_literal_bits)
{
    // A sample rate chosen so that one string's delay is exactly n samples, or n plus one unit
    // in the last place: there the read index depends on the write index, and neither the
    // steady tracking nor the glide planning may assume the index just advances.
    const ORLChordwellEffect probe;
    const double tune = ORLChordwellEffectInspector{probe}.tuneTarget();
    for (const auto path : kPaths)
    {
        if (!chordwell::block::available(path))
            continue;
        for (const int k : {0, 5, 11})
            for (const int whole : {401, 700})
                for (const int above : {0, 1, 30, 100, 300})
                {
                    double rate = static_cast<double>(whole) *
                                  ((tune * 1.0) * LiteralChordwell::kFrequency[k]);
                    for (int u = 0; u < above; ++u)
                        rate = std::nextafter(rate, 1e9);
                    if (rate < 44100.0 || rate > 192000.0)
                        continue;
                    SCOPED_TRACE(testing::Message()
                                 << "path " << static_cast<int>(path) << " string " << k
                                 << " delay " << whole << " + " << above << " ulp");
                    auto engine = std::make_unique<ORLChordwellEffect>();
                    ASSERT_TRUE(engine->useKernelPath(path));
                    auto reference = std::make_unique<LiteralChordwell>();
                    engine->setSampleRate(rate);
                    reference->setSampleRate(rate);
                    std::vector<double> in(3000), e(3000), r(3000);
                    for (size_t i = 0; i < in.size(); ++i)
                        in[i] = std::sin(static_cast<double>(i) * 0.11);
                    for (uint32_t done = 0, frames = 1; done + frames <= in.size();
                         done += frames, frames = frames * 3 % 401 + 1)
                    {
                        engine->processDouble({in.data() + done, nullptr},
                                              {e.data() + done, nullptr}, frames);
                        reference->process<double>(in.data() + done, nullptr, r.data() + done,
                                                   nullptr, frames);
                        ASSERT_EQ(0, std::memcmp(e.data() + done, r.data() + done,
                                                 frames * sizeof(double)))
                            << "frames " << done << " to " << done + frames;
                    }
                }
    }
}

TEST(EngineMatchesReference, values_far_outside_the_range_give_the_literal_bits)
{
    // The engine takes values unchanged: Tune and Transpose far up make delays shorter than a
    // sample, Transpose far down longer than a line, and reads then reach the frame being
    // written or wrap the line.
    // Pairs of slot and value; Tune far up with Detune far down puts a read on the write index.
    const std::vector<std::vector<std::pair<uint32_t, double>>> settings = {
        {{5, 60.0}}, {{5, 90.0}},   {{4, 3.0}},  {{4, -0.8}},
        {{4, -2.0}}, {{6, -100.0}}, {{6, 50.0}}, {{5, 60.0}, {6, -100.0}}};
    for (const auto path : kPaths)
    {
        if (!chordwell::block::available(path))
            continue;
        for (const auto& setting : settings)
        {
            SCOPED_TRACE(testing::Message()
                         << "path " << static_cast<int>(path) << " first slot " << setting[0].first
                         << " value " << setting[0].second << " of " << setting.size());
            auto engine = std::make_unique<ORLChordwellEffect>();
            ASSERT_TRUE(engine->useKernelPath(path));
            auto reference = std::make_unique<LiteralChordwell>();
            for (const auto& [slot, value] : setting)
            {
                engine->setParameter(slot, value);
                reference->setParameter(slot, value);
            }
            engine->reset();
            reference->reset();
            std::vector<float> in(700), e0(700), e1(700), r0(700), r1(700);
            for (size_t i = 0; i < in.size(); ++i)
                in[i] = static_cast<float>(std::sin(static_cast<double>(i) * 0.7));
            for (const uint32_t frames : {1u, 700u, 3u, 64u, 65u, 700u})
            {
                engine->process({in.data(), nullptr}, {e0.data(), e1.data()}, frames);
                reference->process<float>(in.data(), nullptr, r0.data(), r1.data(), frames);
                ASSERT_EQ(0, std::memcmp(e0.data(), r0.data(), frames * sizeof(float)));
                ASSERT_EQ(0, std::memcmp(e1.data(), r1.data(), frames * sizeof(float)));
            }
        }
    }
}

TEST(EngineMatchesReference, float_and_double_agree_up_to_the_final_rounding)
{
    auto f = std::make_unique<ORLChordwellEffect>();
    auto d = std::make_unique<ORLChordwellEffect>();
    for (auto* e : {f.get(), d.get()})
    {
        e->setParameter(2, 0.8);
        e->setParameter(1, 0.6);
        e->setParameter(5, 0.2);
        e->setParameter(6, 0.7);
    }
    const uint32_t frames = 5000;
    std::vector<float> fin(frames), fo0(frames), fo1(frames);
    std::vector<double> din(frames), do0(frames), do1(frames);
    for (uint32_t i = 0; i < frames; ++i)
        din[i] = fin[i] = static_cast<float>(std::sin(i * 0.05) * (i < 500 ? 0.8 : 0.0));
    f->process({fin.data(), nullptr}, {fo0.data(), fo1.data()}, frames);
    d->processDouble({din.data(), nullptr}, {do0.data(), do1.data()}, frames);
    for (uint32_t i = 0; i < frames; ++i)
    {
        ASSERT_EQ(fo0[i], static_cast<float>(do0[i])) << i;
        ASSERT_EQ(fo1[i], static_cast<float>(do1[i])) << i;
    }
}
} // namespace
