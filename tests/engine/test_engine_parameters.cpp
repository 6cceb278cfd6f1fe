#include "EngineFields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace
{
using Inspect = ORLChordwellEffectInspector;

TEST(EngineParameters, fresh_engine_holds_the_default_working_values)
{
    auto engine = std::make_unique<ORLChordwellEffect>();
    const Inspect in{*engine};
    EXPECT_EQ(engine->getLatency(), 0u);
    EXPECT_EQ(engine->getTailSize(), 441000u);
    EXPECT_DOUBLE_EQ(in.outputGain(), 1.0);
    EXPECT_DOUBLE_EQ(in.mix(), 0.25);
    EXPECT_NEAR(in.feedbackGain(), 0.9592864, 5e-8);
    for (int k = 0; k < 12; ++k)
        EXPECT_NEAR(in.dampCoef(k), 0.8562824, 5e-8);
    EXPECT_DOUBLE_EQ(in.transposeTarget(), 1.0);
    EXPECT_NEAR(in.tuneTarget(), 1.0000020, 5e-8);
    EXPECT_EQ(in.tuneCurrent(), in.tuneTarget());
    EXPECT_EQ(in.detuneTarget(), 0.0);
    EXPECT_EQ(in.bypassOn(), 0);
    EXPECT_EQ(in.writePos(), 16383);
    EXPECT_EQ(in.readPos(0), static_cast<int>(16383.0 - 44100.0 / 55.0));
}

TEST(EngineParameters, sample_rate_is_clamped_and_reported)
{
    auto engine = std::make_unique<ORLChordwellEffect>();
    EXPECT_TRUE(engine->setSampleRate(96000.0));
    EXPECT_EQ(engine->getTailSize(), 960000u);
    EXPECT_FALSE(engine->setSampleRate(22050.0));
    EXPECT_EQ(Inspect{*engine}.sampleRate(), 44100.0);
    EXPECT_FALSE(engine->setSampleRate(200000.0));
    EXPECT_EQ(Inspect{*engine}.sampleRate(), 192000.0);
    EXPECT_EQ(engine->getTailSize(), 1920000u);
    // A rate that is not a number is refused and the last rate stays.
    EXPECT_FALSE(engine->setSampleRate(std::nan("")));
    EXPECT_EQ(Inspect{*engine}.sampleRate(), 192000.0);
}

TEST(EngineParameters, interface_queries_answer_their_constants)
{
    auto engine = std::make_unique<ORLChordwellEffect>();
    double meter = 0.123;
    for (uint32_t id : {0u, 1u, 0x6D747249u})
        EXPECT_FALSE(engine->getMeterValue(id, meter));
    EXPECT_EQ(meter, 0.123);
    EXPECT_TRUE(engine->reservedQueryA());
    EXPECT_TRUE(engine->reservedQueryB());
    EXPECT_EQ(engine->reservedValueA(), 0.0);
    EXPECT_EQ(engine->reservedValueB(), 0.0);
}

TEST(EngineParameters, decay_gain_follows_transpose)
{
    struct Case
    {
        double decay, transpose, gain;
    } cases[] = {{1.0, 0.5, 0.9980416}, {1.0, 0.0, 0.9921894}, {1.0, 1.0, 0.9995100},
                 {0.0, 0.5, 0.9220362}, {0.0, 0.0, 0.7227562}, {0.0, 1.0, 0.9799118}};
    for (const Case& c : cases)
    {
        auto engine = std::make_unique<ORLChordwellEffect>();
        engine->setParameter(2, c.decay);
        engine->setParameter(4, c.transpose);
        EXPECT_NEAR(Inspect{*engine}.feedbackGain(), c.gain, 5e-8)
            << "decay " << c.decay << " transpose " << c.transpose;
    }
}

TEST(EngineParameters, transpose_empties_the_strings_only_when_the_semitone_changes)
{
    auto engine = std::make_unique<ORLChordwellEffect>();
    std::vector<float> impulse(600, 0.0f), out0(600), out1(600);
    impulse[0] = 1.0f;
    engine->process({impulse.data(), nullptr}, {out0.data(), out1.data()}, 600);
    const Inspect in{*engine};
    ASSERT_NE(in.line(0, 16383), 0.0);

    engine->setParameter(4, 0.51); // still semitone 24
    EXPECT_NE(in.line(0, 16383), 0.0);
    EXPECT_EQ(in.transposeTarget(), 1.0);

    const int before = in.readPos(0);
    engine->setParameter(4, 0.511); // semitone 25: retuned at once, strings emptied
    EXPECT_NEAR(in.transposeTarget(), 1.0594631, 5e-8);
    EXPECT_EQ(in.transposeCurrent(), in.transposeTarget());
    EXPECT_EQ(in.line(0, 16383), 0.0);
    EXPECT_NE(in.readPos(0), before);
    EXPECT_NE(in.lowpass(0), 0.0) << "the lowpass states are left as they are";
}

TEST(EngineParameters, bypass_switches_at_one_half_and_internal_slots_are_ignored)
{
    auto engine = std::make_unique<ORLChordwellEffect>();
    const Inspect in{*engine};
    engine->setParameter(7, 0.49);
    EXPECT_EQ(in.bypassOn(), 0);
    engine->setParameter(7, 0.5);
    EXPECT_EQ(in.bypassOn(), 1);
    const double gain = in.feedbackGain();
    for (uint32_t index : {8u, 16u, 17u, 1000u})
        engine->setParameter(index, 0.9);
    EXPECT_EQ(in.feedbackGain(), gain);
    EXPECT_EQ(in.outputGain(), 1.0);
}

TEST(EngineParameters, tune_moves_indices_only_at_the_next_frame)
{
    auto engine = std::make_unique<ORLChordwellEffect>();
    float silence[4] = {}, out[4];
    engine->process({silence, nullptr}, {out, nullptr}, 1);
    const Inspect in{*engine};
    const int before = in.readPos(3);
    engine->setParameter(5, 1.0);
    EXPECT_EQ(in.readPos(3), before);
    engine->process({silence, nullptr}, {out, nullptr}, 1);
    EXPECT_NE(in.tuneCurrent(), in.tuneTarget()) << "tune glides";
}
} // namespace
