#include "EngineFields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace
{
using Inspect = ORLChordwellEffectInspector;

std::unique_ptr<ORLChordwellEffect> makeEngine()
{
    return std::make_unique<ORLChordwellEffect>();
}

TEST(EngineNetwork, impulse_first_arrives_at_frames_213_and_226)
{
    auto engine = makeEngine();
    engine->setParameter(1, 1.0);
    const int frames = 300;
    std::vector<float> in(frames, 0.0f), out0(frames), out1(frames);
    in[0] = 1.0f;
    engine->process({in.data(), nullptr}, {out0.data(), out1.data()}, frames);
    const double expected = 0.075 * (1.0 + Inspect{*engine}.dampCoef(0));
    for (int i = 0; i < 213; ++i)
        ASSERT_EQ(out1[i], 0.0f) << "frame " << i;
    for (int i = 0; i < 226; ++i)
        ASSERT_EQ(out0[i], 0.0f) << "frame " << i;
    EXPECT_NEAR(out1[213], expected, 1e-5);
    EXPECT_NEAR(out0[226], expected, 1e-5);
    EXPECT_NEAR(expected, 0.13922, 1e-5);
}

TEST(EngineNetwork, strings_repeat_at_their_default_delays)
{
    auto engine = makeEngine();
    float x = 0.0f, y = 0.0f;
    engine->process({&x, nullptr}, {&y, nullptr}, 1);
    const int period[12] = {401, 379, 358, 338, 319, 301, 284, 268, 253, 239, 226, 213};
    const Inspect in{*engine};
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ((in.writePos() - in.readPos(k)) & 16383, period[k]) << "string " << k;
}

// Frames until a glide reaches its target, counting the frame that snaps it.
int glideFrames(double from, double to, int slot)
{
    auto engine = makeEngine();
    engine->setParameter(static_cast<uint32_t>(slot), from);
    engine->reset();
    engine->setParameter(static_cast<uint32_t>(slot), to);
    const Inspect in{*engine};
    float x = 0.0f, y = 0.0f;
    for (int frames = 1; frames < 100000; ++frames)
    {
        engine->process({&x, nullptr}, {&y, nullptr}, 1);
        const bool done = slot == 5 ? in.tuneCurrent() == in.tuneTarget()
                                    : in.detuneCurrent() == in.detuneTarget();
        if (done)
            return frames;
    }
    return -1;
}

TEST(EngineNetwork, glides_take_their_known_frame_counts)
{
    EXPECT_EQ(glideFrames(0.0, 1.0, 6), 8285);
    EXPECT_EQ(glideFrames(1.0, 0.0, 6), 8285);
    EXPECT_EQ(glideFrames(0.5, 1.0, 5), 14719);
    EXPECT_EQ(glideFrames(0.0, 1.0, 5), 17685);
    EXPECT_EQ(glideFrames(1.0, 0.0, 5), 17685);
}

std::vector<float> noise(size_t frames, unsigned seed)
{
    std::vector<float> v(frames);
    for (auto& x : v)
    {
        seed = seed * 1664525u + 1013904223u;
        x = static_cast<float>(static_cast<int>(seed >> 8) - (1 << 23)) / float(1 << 24);
    }
    return v;
}

TEST(EngineNetwork, non_finite_input_is_heard_as_silence)
{
    const size_t frames = 4000;
    auto clean = noise(frames, 7), dirtyL = clean, cleanR = noise(frames, 9), dirtyR = cleanR;
    for (size_t i : {10u, 500u, 1999u})
    {
        dirtyL[i] = std::nanf("");
        clean[i] = 0.0f;
    }
    dirtyR[42] = INFINITY;
    dirtyR[43] = -INFINITY;
    cleanR[42] = cleanR[43] = 0.0f;
    auto a = makeEngine(), b = makeEngine();
    std::vector<float> a0(frames), a1(frames), b0(frames), b1(frames);
    a->process({dirtyL.data(), dirtyR.data()}, {a0.data(), a1.data()}, frames);
    b->process({clean.data(), cleanR.data()}, {b0.data(), b1.data()}, frames);
    EXPECT_EQ(0, std::memcmp(a0.data(), b0.data(), frames * sizeof(float)));
    EXPECT_EQ(0, std::memcmp(a1.data(), b1.data(), frames * sizeof(float)));
}

TEST(EngineNetwork, huge_input_keeps_output_and_strings_finite)
{
    // Two seconds of the largest float, then of the largest double, at full Output, Decay
    // and Mix: the strings saturate but never overflow.
    const size_t frames = 88200;
    auto engine = makeEngine();
    engine->setParameter(0, 1.0);
    engine->setParameter(1, 1.0);
    engine->setParameter(2, 1.0);
    std::vector<float> loud(frames, 3.4028235e38f), o0(frames), o1(frames);
    for (size_t i = 1; i < frames; i += 2)
        loud[i] = -loud[i] * static_cast<float>(i % 3 == 0);
    engine->process({loud.data(), nullptr}, {o0.data(), o1.data()}, frames);
    for (size_t i = 0; i < frames; ++i)
        ASSERT_TRUE(std::isfinite(o0[i]) && std::isfinite(o1[i])) << "float frame " << i;

    std::vector<double> huge(frames, 1.7e308), d0(frames), d1(frames);
    engine->processDouble({huge.data(), huge.data()}, {d0.data(), d1.data()}, frames);
    for (size_t i = 0; i < frames; ++i)
        ASSERT_TRUE(std::isfinite(d0[i]) && std::isfinite(d1[i])) << "double frame " << i;
    const Inspect state{*engine};
    for (int k = 0; k < 12; ++k)
        for (int i = 0; i < 16384; ++i)
            ASSERT_TRUE(std::isfinite(state.line(k, i))) << "line " << k << " entry " << i;
}

TEST(EngineNetwork, mix_output_and_channel_folding)
{
    const size_t frames = 1000;
    const auto left = noise(frames, 1), right = noise(frames, 2);
    {
        auto engine = makeEngine();
        engine->setParameter(1, 0.0);
        engine->setParameter(0, 0.7);
        std::vector<float> o0(frames), o1(frames);
        engine->process({const_cast<float*>(left.data()), nullptr}, {o0.data(), o1.data()}, frames);
        const double gain = 0.7 * 0.7 * 4.0;
        double guard = 1e-9;
        for (size_t i = 0; i < frames; ++i, guard = -guard)
            ASSERT_EQ(o0[i], static_cast<float>((left[i] + guard) * gain)) << i;
    }
    {
        auto engine = makeEngine();
        engine->setParameter(0, 0.0);
        std::vector<float> o0(frames, 1.0f), o1(frames, 1.0f);
        engine->process({const_cast<float*>(left.data()), const_cast<float*>(right.data())},
                        {o0.data(), o1.data()}, frames);
        for (size_t i = 0; i < frames; ++i)
            ASSERT_TRUE(o0[i] == 0.0f && o1[i] == 0.0f) << i;
    }
    {
        // One output channel carries the average of the two channel results.
        auto stereo = makeEngine(), single = makeEngine();
        std::vector<double> l(left.begin(), left.end()), r(right.begin(), right.end());
        std::vector<double> s0(frames), s1(frames), m(frames);
        stereo->processDouble({l.data(), r.data()}, {s0.data(), s1.data()}, frames);
        single->processDouble({l.data(), r.data()}, {m.data(), nullptr}, frames);
        for (size_t i = 0; i < frames; ++i)
            ASSERT_NEAR(m[i], (s0[i] + s1[i]) * 0.5, 1e-12) << i;
    }
}

TEST(EngineNetwork, bypass_lets_the_tail_ring_while_input_stays_dry)
{
    const size_t frames = 3000;
    const auto loud = noise(frames, 3);
    auto a = makeEngine(), b = makeEngine();
    std::vector<float> o(frames), p(frames), silence(frames, 0.0f);
    a->process({const_cast<float*>(loud.data()), nullptr}, {o.data(), nullptr}, frames);
    b->process({const_cast<float*>(loud.data()), nullptr}, {o.data(), nullptr}, frames);
    a->setParameter(7, 1.0);
    // a: bypassed, new input; b: not bypassed, silence. The tails are the same apart from the
    // dry input, which a hears scaled by (1 - mix) * gain.
    const auto fresh = noise(frames, 4);
    a->process({const_cast<float*>(fresh.data()), nullptr}, {o.data(), nullptr}, frames);
    b->setParameter(7, 1.0);
    b->process({silence.data(), nullptr}, {p.data(), nullptr}, frames);
    for (size_t i = 0; i < frames; ++i)
        ASSERT_NEAR(o[i] - p[i], fresh[i] * 0.75, 1e-6) << i;
    EXPECT_GT(std::fabs(p[100]), 1e-4) << "the tail still rings";
}

TEST(EngineNetwork, zero_frames_change_nothing_and_reset_silences_at_once)
{
    auto engine = makeEngine();
    const size_t frames = 2000;
    auto in = noise(frames, 5);
    std::vector<float> out(frames);
    engine->setParameter(5, 0.9);
    engine->process({in.data(), nullptr}, {out.data(), nullptr}, frames);

    std::vector<unsigned char> before(sizeof(ORLChordwellEffect));
    std::memcpy(before.data(), static_cast<void*>(engine.get()), before.size());
    engine->process({in.data(), nullptr}, {out.data(), nullptr}, 0);
    EXPECT_EQ(0, std::memcmp(before.data(), static_cast<void*>(engine.get()), before.size()));

    engine->reset();
    std::vector<float> silence(frames, 0.0f);
    engine->setParameter(1, 1.0);
    engine->process({silence.data(), nullptr}, {out.data(), nullptr}, frames);
    for (size_t i = 0; i < frames; ++i)
        ASSERT_LT(std::fabs(out[i]), 1e-7) << "only the guard circulates, frame " << i;
}

TEST(EngineNetwork, host_bypass_copies_and_leaves_the_strings_alone)
{
    auto engine = makeEngine();
    float l[3] = {0.1f, 0.2f, 0.3f}, r[3] = {-0.1f, -0.2f, -0.3f}, o0[3], o1[3], single[3];
    const Inspect in{*engine};
    const int wp = in.writePos();
    engine->processBypass({l, r}, {o0, o1}, 3);
    EXPECT_EQ(0, std::memcmp(o0, l, sizeof l));
    EXPECT_EQ(0, std::memcmp(o1, r, sizeof r));
    engine->processBypass({l, r}, {single, nullptr}, 3);
    EXPECT_EQ(0, std::memcmp(single, r, sizeof r)) << "channel 1 input is what remains";
    double dl[2] = {1, 2}, dout[2];
    engine->processBypassDouble({dl, nullptr}, {dout, nullptr}, 2);
    EXPECT_EQ(dout[1], 2.0);
    EXPECT_EQ(in.writePos(), wp);
}
} // namespace
