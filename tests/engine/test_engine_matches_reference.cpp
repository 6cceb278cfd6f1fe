#include "EngineFields.h"
#include "LiteralChordwell.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
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
};

template <typename Sample> void runScenario(const Scenario& s)
{
    std::mt19937 random(s.seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    auto engine = std::make_unique<ORLChordwellEffect>();
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

TEST(EngineMatchesReference, every_layout_and_sample_type_gives_the_literal_algorithms_bits)
{
    for (unsigned seed = 1; seed <= 3; ++seed)
        for (Wiring wiring : {Wiring::Mono, Wiring::Stereo, Wiring::MonoToStereo})
            for (bool inPlace : {false, true})
            {
                SCOPED_TRACE(testing::Message()
                             << "seed " << seed << " wiring " << static_cast<int>(wiring)
                             << " in place " << inPlace);
                runScenario<float>({seed, wiring, inPlace});
                runScenario<double>({seed + 100, wiring, inPlace});
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
